#!/usr/bin/env bash
# Installs the build into a staging prefix and runs the installed programs as
# a new player would: no --home, no ARVENNA_HOME, an empty home folder.
# Usage: installed-program.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
stage=$work/stage
fail() { echo "FAIL: $*" >&2; exit 1; }
expect() { # expect WHAT EXPECTED ACTUAL
  [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
}

cmake --install "$build" --prefix "$stage" >/dev/null

expected_files="bin/arvenna-map
bin/arvenna-map-cli
share/applications/org.arvenna.MapViewer.desktop
share/arvenna-map/Arvenna.mdb
share/arvenna-map/ConfigFile.arv
share/arvenna-map/Pictures/GreyBkskull.ico
share/arvenna-map/Pictures/SkullIcon.ico
share/arvenna-map/Pictures/book1.gif
share/arvenna-map/Pictures/greenSkull.ico
share/arvenna-map/Pictures/helppic.bmp
share/arvenna-map/Pictures/redSkull.ico
share/arvenna-map/Pictures/setadi.bmp
share/arvenna-map/Pictures/setadn.bmp
share/arvenna-map/Pictures/setaes.bmp
share/arvenna-map/Pictures/setaup.bmp
share/arvenna-map/Quorvane.mdb
share/doc/arvenna-map/changelog.gz
share/doc/arvenna-map/copyright
share/icons/hicolor/128x128/apps/arvenna-map.png
share/icons/hicolor/16x16/apps/arvenna-map.png
share/icons/hicolor/24x24/apps/arvenna-map.png
share/icons/hicolor/256x256/apps/arvenna-map.png
share/icons/hicolor/32x32/apps/arvenna-map.png
share/icons/hicolor/48x48/apps/arvenna-map.png
share/icons/hicolor/64x64/apps/arvenna-map.png
share/icons/hicolor/scalable/apps/arvenna-map.svg
share/man/man1/arvenna-map-cli.1.gz
share/man/man1/arvenna-map.1.gz
share/metainfo/org.arvenna.MapViewer.metainfo.xml"
expect "installed files" "$expected_files" "$(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"

desktop-file-validate "$stage/share/applications/org.arvenna.MapViewer.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$stage/share/metainfo/org.arvenna.MapViewer.metainfo.xml" >/dev/null \
  || fail "metainfo: $(appstreamcli validate --no-net "$stage/share/metainfo/org.arvenna.MapViewer.metainfo.xml")"
expect "PNG icon size" "PNG image data, 48 x 48, 8-bit/color RGBA, non-interlaced" \
  "$(file -b "$stage/share/icons/hicolor/48x48/apps/arvenna-map.png")"
for program in arvenna-map arvenna-map-cli; do
  zcat "$stage/share/man/man1/$program.1.gz" | grep -q "^\.TH ${program^^} \"1\" .* \"$program $version\"" \
    || fail "manual page of $program"
done
zcat "$stage/share/man/man1/arvenna-map-cli.1.gz" | grep -qx '\.SS export' || fail "manual page of the export command"

# A new player: nothing but an empty home folder, and no display.
player=$work/player
mkdir "$player"
run() { env -i PATH=/usr/bin:/bin HOME="$player" "$@"; }
games=$player/.local/share/arvenna-map

expect "first list" "Arvenna G2 [Arvenna.mdb]
QVR game 1 [Quorvane.mdb]" "$(run "$stage/bin/arvenna-map-cli" list)"
expect "seeded folder" "Arvenna.mdb ConfigFile.arv Quorvane.mdb" "$(cd "$games" && echo *)"
[ -w "$games/Arvenna.mdb" ] || fail "the player's game cannot be written"

# A second start seeds nothing again: the purged game stays purged.
rm "$games/Quorvane.mdb"
expect "second list" "Arvenna G2 [Arvenna.mdb]" "$(run "$stage/bin/arvenna-map-cli" list)"
expect "after the second list" "Arvenna.mdb ConfigFile.arv" "$(cd "$games" && echo *)"

# A game made by the player lands in the per-user folder too.
expect "create" "$games/Mine.MDB" "$(run "$stage/bin/arvenna-map-cli" create --type g --number 4 Mine)"

expect "cli version" "arvenna-map-cli $version" "$(run "$stage/bin/arvenna-map-cli" --version)"
expect "desktop version" "arvenna-map $version" "$(run "$stage/bin/arvenna-map" --version)"
for option in --help --help-all; do
  run "$stage/bin/arvenna-map" $option | grep -q -- '--home <DIR>' || fail "arvenna-map $option without a display"
done
echo "installed program: ok"
