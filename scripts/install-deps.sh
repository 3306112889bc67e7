#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
set -euo pipefail

# The build (libmdb reads old Access games), then what the package and its
# checks need: icons from SVG, manual pages from --help, the Debian package
# tools and the validators.
packages=(cmake make g++ pkg-config qt6-base-dev libqt6sql6-sqlite sqlite3 libsqlite3-dev mdbtools-dev
          librsvg2-bin help2man dpkg-dev file lintian desktop-file-utils appstream)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
