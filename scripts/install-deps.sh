#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are present.
set -euo pipefail

PACKAGES=(
  build-essential
  cmake
  pkg-config
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  gnugo
  qt6-base-dev
  qt6-translations-l10n
  libasound2-dev
  fonts-ipafont-gothic
  xvfb
  xauth
  fontconfig
  socat
  clang
  libclang-rt-14-dev
  desktop-file-utils
  appstream
  libxml2-utils
  shared-mime-info
  dpkg-dev
  file
)

# Node and npm for the test that reads our SGF with an independent parser;
# only asked for when no node is installed at all.
if ! command -v node >/dev/null 2>&1; then PACKAGES+=(nodejs); fi
if ! command -v npm >/dev/null 2>&1; then PACKAGES+=(npm); fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# The independent SGF parser from the npm registry, into a project-local,
# ignored folder (third_party/node); the test that uses it skips without it,
# so a failed download only warns.
install_sgf_parser() {
  local root dir
  root="$(cd "$(dirname "$0")/.." && pwd)"
  dir="$root/third_party/node"
  [ -f "$dir/node_modules/@sabaki/sgf/package.json" ] && return 0
  command -v npm >/dev/null 2>&1 || return 0
  mkdir -p "$dir"
  echo "Installing @sabaki/sgf into $dir"
  # Bounded: on a machine without the registry this gives up within two minutes.
  timeout 120 npm install --no-save --no-audit --no-fund --fetch-retries=1 --fetch-timeout=30000 \
    --prefix "$dir" @sabaki/sgf@3.4.7 >/dev/null 2>&1 ||
    echo "warning: @sabaki/sgf could not be installed; its test will be skipped" >&2
}

if [ ${#missing[@]} -eq 0 ]; then
  install_sgf_parser
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
else
  SUDO=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -q
"${SUDO[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
# New fonts are only seen after the font cache is rebuilt.
if command -v fc-cache >/dev/null 2>&1; then
  fc-cache -f >/dev/null 2>&1 || true
fi
install_sgf_parser
