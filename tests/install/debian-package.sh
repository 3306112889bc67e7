#!/usr/bin/env bash
# Builds the Debian package from the build, as `cmake --build BUILD --target
# package` does, into a temporary folder, and checks it as apt and lintian
# would. Usage: debian-package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/arvenna-map_${version}_amd64.deb
[ -f "$deb" ] || fail "no $deb: $(ls "$work")"

[ "$(dpkg-deb -f "$deb" Package)" = arvenna-map ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version"
# The packages depended on, without their versions, one a line.
depends=$(dpkg-deb -f "$deb" Depends | sed -e 's/ *([^)]*)//g' -e 's/, */\n/g')
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libsqlite3-0 libc6 libstdc++6; do
  grep -qxF "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/arvenna-map ./usr/bin/arvenna-map-cli \
            ./usr/share/arvenna-map/Arvenna.mdb ./usr/share/arvenna-map/Quorvane.mdb \
            ./usr/share/arvenna-map/ConfigFile.arv ./usr/share/arvenna-map/Pictures/SkullIcon.ico \
            ./usr/share/applications/org.arvenna.MapViewer.desktop \
            ./usr/share/icons/hicolor/scalable/apps/arvenna-map.svg \
            ./usr/share/icons/hicolor/48x48/apps/arvenna-map.png \
            ./usr/share/metainfo/org.arvenna.MapViewer.metainfo.xml \
            ./usr/share/man/man1/arvenna-map.1.gz ./usr/share/man/man1/arvenna-map-cli.1.gz \
            ./usr/share/doc/arvenna-map/copyright ./usr/share/doc/arvenna-map/changelog.gz; do
  grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done

dpkg-deb -x "$deb" "$work/root"
for program in arvenna-map arvenna-map-cli; do
  file -b "$work/root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done

lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian"
echo "package $(basename "$deb"): ok"
