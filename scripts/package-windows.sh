#!/usr/bin/env bash
# Makes the Windows release archive zedaruz-cli-VERSION-win64.zip from a cross build:
# zedaruz-cli.exe, the Blender add-on zedaruz_opt-VERSION.zip (as the build packed it), the README's
# command-line, Windows and Blender sections as README.txt, LICENSE.txt and THIRD-PARTY.md (text
# files with CR LF, for Notepad). VERSION is the project's version, the one `zedaruz-cli --version`
# prints.
#
#   scripts/package-windows.sh [BUILD_DIR [OUT_DIR]]     (defaults: build-win, BUILD_DIR)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-win}")
out=$(realpath "${2:-$build}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "No project version in $build/CMakeCache.txt" >&2; exit 1; }
exe="$build/zedaruz-cli.exe"
[ -f "$exe" ] || { echo "$exe is missing: cross-build first (README, Windows)" >&2; exit 1; }
addon="$build/zedaruz_opt-$version.zip"
[ -f "$addon" ] || { echo "$addon is missing: the build packs it (target blender_addon)" >&2; exit 1; }

name="zedaruz-cli-$version-win64"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp "$exe" "$stage/$name/"
x86_64-w64-mingw32-strip "$stage/$name/zedaruz-cli.exe"
cp "$addon" "$stage/$name/"
crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }
# The README's sections on the command line: from its heading to the next one of the same level.
sed -n '/^## The command-line companion/,/^## /{/^## /!p;/^## The command-line/p}' "$root/README.md" \
  >"$stage/readme.txt"
# (Whole headings only: "## Windows and editors: choices" is another section. The pictures' lines
# name files the archive does not hold.)
sed -n '/^## Windows$/,/^## /{/^## /!p;/^## Windows$/p}' "$root/README.md" >>"$stage/readme.txt"
sed -n '/^## Blender$/,/^## /{/^## /!p;/^## Blender$/p}' "$root/README.md" | sed '/^!\[/d' >>"$stage/readme.txt"
crlf "$stage/readme.txt" "$stage/$name/README.txt"
crlf "$root/LICENSE" "$stage/$name/LICENSE.txt"
crlf "$root/THIRD-PARTY.md" "$stage/$name/THIRD-PARTY.md"
rm -f "$out/$name.zip"
(cd "$stage" && zip -q -r -X "$out/$name.zip" "$name")
echo "$out/$name.zip: $(unzip -Z1 "$out/$name.zip" | grep -vc '/$') files, $(stat -c %s "$out/$name.zip") bytes"
