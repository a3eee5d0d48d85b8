#!/usr/bin/env bash
# Builds the Debian package from the build tree into a temporary folder (as
# `make package` does), then checks its file list and its control fields.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/out/kazaori_*.deb)
[ -f "${debs[0]}" ] || fail "no .deb made"
deb="${debs[0]}"
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes"

dpkg-deb -x "$deb" "$work/root"
for f in usr/bin/kazaori usr/bin/kazaori-cli \
         usr/share/applications/io.github.kazaori.Kazaori.desktop \
         usr/share/metainfo/io.github.kazaori.Kazaori.metainfo.xml \
         usr/share/mime/packages/kazaori.xml \
         usr/share/icons/hicolor/scalable/apps/kazaori.svg \
         usr/share/man/man6/kazaori.6.gz usr/share/man/man6/kazaori-cli.6.gz \
         usr/share/kazaori/help/index.html; do
  [ -f "$work/root/$f" ] || fail "the package lacks /$f"
done
for size in 16 24 32 48 64 128 256; do
  [ -f "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/kazaori.png" ] ||
    fail "the package lacks the $size px icon"
done
[ -x "$work/root/usr/bin/kazaori" ] && [ -x "$work/root/usr/bin/kazaori-cli" ] ||
  fail "the programs are not executable"
# Only /usr: nothing for /etc, /opt or /usr/local.
outside="$(cd "$work/root" && find . -mindepth 1 -maxdepth 1 ! -name usr)"
[ -z "$outside" ] || fail "the package installs outside /usr: $outside"
[ -z "$(cd "$work/root/usr" && find . -path ./local -prune -print)" ] || fail "the package uses /usr/local"
# The manual pages are readable roff.
zcat "$work/root/usr/share/man/man6/kazaori-cli.6.gz" | grep -q '^\.TH KAZAORI-CLI 6' ||
  fail "kazaori-cli.6.gz is not a manual page"

info="$(dpkg-deb -I "$deb")"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
echo "Suggests: $(dpkg-deb -f "$deb" Suggests)"
# The computed dependencies: the C++ runtime, Qt and ALSA with versions.
for lib in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libasound2 fonts-ipafont-gothic; do
  case ", $depends," in *", $lib"[\ ,]*) ;; *) fail "Depends lacks $lib: $depends" ;; esac
done
case "$depends" in *"libc6 (>="*) ;; *) fail "Depends has no computed versions: $depends" ;; esac
case "$depends" in *gnugo*|*socat*) fail "gnugo and socat must not be dependencies" ;; esac
[ "$(dpkg-deb -f "$deb" Suggests)" = "gnugo, socat" ] || fail "Suggests is not 'gnugo, socat'"
[ "$(dpkg-deb -f "$deb" Package)" = kazaori ] || fail "the package is not named kazaori"
grep -q '^ Section: games' <<<"$info" || fail "the package is not in section games"
echo "package checked"
