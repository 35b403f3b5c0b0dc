#!/usr/bin/env bash
# Checks the package that scripts/package.sh made in a build folder (default
# build/windows): it holds exactly the module, the guide and its text files;
# every text file has CRLF line ends; the licence and the notices say what
# they must; the guide has text for each page of the properties sheet; the
# module's version resource carries the CMake project's version, company
# and copyright.
set -euo pipefail
build=$(realpath "${1:-build/windows}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=mervane-$version-win64
zip=$build/$name.zip
fail() { printf 'package check: %s\n' "$*" >&2; exit 1; }

[ -f "$zip" ] || fail "no $zip; run scripts/package.sh"
listing=$(cmake -E tar tf "$zip" | grep -v '/$' | sort)
texts="CHANGELOG INSTALL LICENSE THIRD-PARTY-NOTICES"
expected=$(printf "$name/%s.txt\n" $texts; printf '%s\n' "$name/mervane.pdf" "$name/mervane.uoex")
expected=$(sort <<<"$expected")
[ "$listing" = "$expected" ] || fail "$zip holds: $listing"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip")

for text in $texts; do
  file=$work/$name/$text.txt
  lf=$(grep -cv $'\r$' "$file" || true)
  [ "$lf" = 0 ] || fail "$text.txt has $lf lines without CRLF"
done
grep -qF "MIT License" "$work/$name/LICENSE.txt" || fail "LICENSE.txt is not the MIT licence"
for text in "MinGW-w64 runtime" "Zope Public License 2.1" "winpthreads" "jQuery 1.9.1"; do
  grep -qF "$text" "$work/$name/THIRD-PARTY-NOTICES.txt" || fail "the notices lack \"$text\""
done
grep -qF "## $version" "$work/$name/CHANGELOG.txt" || fail "the changelog has no entry for $version"

# Each page of the sheet: its chapter and some of its controls or properties.
guide=$(pdftotext "$work/$name/mervane.pdf" - | tr -s " \n" "  ")
for text in "The Products page" "Move Down" "Browse..." \
            "The Style page" "Filename CSS" "BorderRadius" "Quantity Error Update" \
            "The Options page" "Payment processor" "Enable category filter"; do
  grep -qF "$text" <<<"$guide" || fail "the guide has no \"$text\""
done

# The PDF: tagged, with its language, title and a bookmark for every chapter
# of the contents; alternative text on every figure; and a default text as
# the module's table of texts holds it.
pdf=$work/$name/mervane.pdf
source=$(dirname "$0")/../..
pdfinfo "$pdf" | grep -q '^Tagged: *yes' || fail "the guide is not tagged"
pdfinfo "$pdf" | grep -q "^Title: *Mervane $version" || fail "the guide has no title"
grep -aq '/Lang (en)' "$pdf" || fail "the guide states no language"
outline=$(pdftohtml -xml -i -stdout "$pdf" | sed -n '/<outline>/,$p')
chapters=$(sed -n 's/^<li><a href="#[a-z]*">\(.*\)<\/a><\/li>$/\1/p' "$source/docs/guide/guide.html.in")
[ -n "$chapters" ] || fail "no chapters in the guide's contents"
number=0
while read -r chapter; do
  number=$((number + 1))
  grep -qF ">$number. $chapter</item>" <<<"$outline" || fail "no bookmark for chapter $number, $chapter"
done <<<"$chapters"
figures=$(grep -c '<img ' "$source/docs/guide/guide.html.in")
alts=$(grep -ac '/Alt (' "$pdf")
[ "$alts" -ge "$figures" ] || fail "$alts of $figures figures have alternative text"
default=$(grep -A1 'MERVANE_TEXT(messageQuantityErrorUpdate)' "$source/src/model/cart_settings.h" |
          sed -n 's/^ *OSTR("\([^"]*\)").*/\1/p')
[ -n "$default" ] || fail "no default for messageQuantityErrorUpdate in the module's table"
grep -qF "Quantity Error Update $default" <<<"$guide" || fail "the guide lacks the default \"$default\""

IFS=. read -r major minor patch <<<"$version"
resource=$(x86_64-w64-mingw32-windres -i "$work/$name/mervane.uoex" -O rc)
for line in "FILEVERSION $major, $minor, $patch, 0" "PRODUCTVERSION $major, $minor, $patch, 0" \
            "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
            "VALUE \"ProductName\", \"Mervane\"" "VALUE \"FileDescription\", \"Mervane shopping cart" \
            "VALUE \"CompanyName\", \"The Mervane project\"" "VALUE \"LegalCopyright\", \"Copyright (c)"; do
  grep -qF "$line" <<<"$resource" || fail "the module's version resource lacks: $line"
done

pages=$(pdfinfo "$work/$name/mervane.pdf" | sed -n 's/^Pages: *//p')
echo "package check: $zip ($(stat -c %s "$zip") bytes) holds the module $version," \
     "a guide of $pages pages and the text files $texts"
