#!/usr/bin/env bash
# Validates the installed desktop entry, AppStream metainfo and file type with
# the desktop's own tools. Usage: validate_desktop_files.sh PREFIX
set -euo pipefail
share="$1/share"
id=io.github.kazaori.Kazaori
desktop="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"
mime="$share/mime/packages/kazaori.xml"

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
xmllint --noout "$mime" "$metainfo"

fail() { echo "$*"; exit 1; }
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Exec)" = "kazaori %f" ] || fail "Exec is '$(key Exec)'"
[ "$(key Categories)" = "Game;BoardGame;" ] || fail "Categories is '$(key Categories)'"
[ "$(key 'Name\[en\]')" = "Kazaori Go" ] || fail "no English name"
[ "$(key Name)" = "対局囲碁　風織" ] || fail "Name is '$(key Name)'"
mimetypes="$(key MimeType)"
for t in application/x-kazaori-kifu application/x-go-sgf; do
  case ";$mimetypes" in *";$t;"*) ;; *) fail "MimeType lacks $t" ;; esac
done
icon="$(key Icon)"
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"
for size in 16 24 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/$icon.png"
  [ -f "$png" ] || fail "no $size px icon"
  # The PNG's header holds its width and height (bytes 17..24).
  dims="$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')"
  expected="0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))"
  [ "$dims" = "$expected" ] || fail "$png is not $size x $size ($dims)"
done

# The kifu type claims *.IG1 (any case) and the metainfo names the entry.
glob="$(xmllint --xpath "string(//*[local-name()='mime-type'][@type='application/x-kazaori-kifu']/*[local-name()='glob']/@pattern)" "$mime")"
[ "$glob" = "*.ig1" ] || fail "kifu glob is '$glob'"
launch="$(xmllint --xpath "string(//launchable[@type='desktop-id'])" "$metainfo")"
[ "$launch" = "$id.desktop" ] || fail "metainfo launches '$launch'"
xmllint --xpath "//screenshots/screenshot/image" "$metainfo" >/dev/null || fail "no screenshot"
xmllint --xpath "//releases/release[@version]" "$metainfo" >/dev/null || fail "no release"

# update-mime-database takes the file and maps a record's name to the type.
db="$(mktemp -d)"
trap 'rm -rf "$db"' EXIT
mkdir -p "$db/packages"
cp "$mime" "$db/packages/"
update-mime-database "$db" >/dev/null 2>&1 || fail "update-mime-database refused the file"
grep -q 'application/x-kazaori-kifu:\*\.ig1' "$db/globs" || fail "the database has no *.ig1 glob"
echo "desktop files valid"
