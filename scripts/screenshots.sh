#!/usr/bin/env bash
# Pictures of the properties sheet for the README: the Windows build's ostrel
# opens the sheet on the demo cart under Xvfb, the first tab is clicked so
# that the tab row has the focus, each tab is shown in turn (Right) and
# captured, and the sheet is cancelled.
# usage: scripts/screenshots.sh [PAGE...]   (default: products style options)
# Needs the windows preset built, imagemagick and xdotool (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
pages=("$@")
[ ${#pages[@]} -gt 0 ] || pages=(products style options)
cart="$(mktemp -d)/cart.json"
cp examples/bakery/cart.json "$cart"
export PAGES="${pages[*]}" CART="$cart"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  scripts/wine-run.sh build/windows/src/ostrel.exe properties "$CART" &
  for _ in $(seq 100); do
    sheet=$(xdotool search --name "^Mervane Properties$" 2>/dev/null | head -1) && break
    sleep 0.3
  done
  [ -n "${sheet:-}" ] || { echo "screenshots: the sheet did not open" >&2; exit 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$sheet")"
  xdotool mousemove $((X + 40)) $((Y + 39)) click 1 mousemove $((X + 5)) $((Y + 5))
  sleep 0.5
  for page in $PAGES; do
    import -window "$sheet" "docs/images/properties-$page.png"
    xdotool key Right
    sleep 0.5
  done
  xdotool key Escape
  wait
'
echo "screenshots: ${pages[*]} in docs/images"
