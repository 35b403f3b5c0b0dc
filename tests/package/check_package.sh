#!/usr/bin/env bash
# Checks the package that scripts/package.sh made in a build folder (default
# build/windows): it holds exactly the module, the guide and the install
# note; the guide has text for each page of the properties sheet; the
# module's version resource carries the CMake project's version.
set -euo pipefail
build=$(realpath "${1:-build/windows}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=mervane-$version-win64
zip=$build/$name.zip
fail() { printf 'package check: %s\n' "$*" >&2; exit 1; }

[ -f "$zip" ] || fail "no $zip; run scripts/package.sh"
listing=$(cmake -E tar tf "$zip" | grep -v '/$' | sort)
expected=$(printf '%s\n' "$name/INSTALL.txt" "$name/mervane.pdf" "$name/mervane.uoex")
[ "$listing" = "$expected" ] || fail "$zip holds: $listing"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")

# Each page of the sheet: its chapter and some of its controls or properties.
guide=$(pdftotext "$work/$name/mervane.pdf" - | tr -s " \n" "  ")
for text in "The Products page" "Move Down" "Browse..." \
            "The Style page" "Filename CSS" "BorderRadius" "Quantity Error Update" \
            "The Options page" "Payment processor" "Enable category filter"; do
  grep -qF "$text" <<<"$guide" || fail "the guide has no \"$text\""
done

IFS=. read -r major minor patch <<<"$version"
resource=$(x86_64-w64-mingw32-windres -i "$work/$name/mervane.uoex" -O rc)
for line in "FILEVERSION $major, $minor, $patch, 0" "PRODUCTVERSION $major, $minor, $patch, 0" \
            "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
            "VALUE \"ProductName\", \"Mervane\"" "VALUE \"FileDescription\", \"Mervane shopping cart"; do
  grep -qF "$line" <<<"$resource" || fail "the module's version resource lacks: $line"
done

pages=$(pdfinfo "$work/$name/mervane.pdf" | sed -n 's/^Pages: *//p')
echo "package check: $zip ($(stat -c %s "$zip") bytes) holds the module $version," \
     "a guide of $pages pages and the install note"
