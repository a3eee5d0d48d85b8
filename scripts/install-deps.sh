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
  libasound2-dev
  fonts-ipafont-gothic
  xvfb
  xauth
  fontconfig
  socat
  desktop-file-utils
  appstream
  libxml2-utils
  shared-mime-info
  dpkg-dev
  file
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
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
