#!/usr/bin/env bash
# Pictures of the properties sheet for the README and the author's guide: the
# Windows build's ostrel opens the sheet on the demo cart under Xvfb, the
# first tab is clicked so that the tab row has the focus, and the keys an
# author would press show each page (Right) and two dialogs: the product
# dialog (Alt+A on Products) and the hidden fields of PayPal (on Options,
# Tab past the credit link to the processor list, P, Alt+E). Each is captured and cancelled, so
# the cart is left as it was; a window that does not open stops the script.
# usage: scripts/screenshots.sh
# Needs the windows preset built, imagemagick and xdotool (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
cart="$(mktemp -d)/cart.json"
cp examples/bakery/cart.json "$cart"
export CART="$cart"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  window() {
    for _ in $(seq 100); do
      found=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) && { echo "$found"; return; }
      sleep 0.3
    done
    echo "screenshots: \"$1\" did not open" >&2
    exit 1
  }
  capture() { sleep 0.7; import -window "$1" "docs/images/$2.png"; }
  dialog() {
    xdotool key "$1"
    opened=$(window "$2")
    capture "$opened" "$3"
    xdotool key Escape
    sleep 0.5
  }
  scripts/wine-run.sh build/windows/src/ostrel.exe properties "$CART" &
  trap "kill $! 2>/dev/null || true" EXIT
  sheet=$(window "Mervane Properties")
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$sheet")"
  first_tab() { xdotool mousemove $((X + 40)) $((Y + 39)) click 1 mousemove $((X + 5)) $((Y + 5)); }
  first_tab
  capture "$sheet" properties-products
  dialog alt+a "Add Product" product-dialog
  first_tab
  xdotool key Right
  capture "$sheet" properties-style
  xdotool key Right
  capture "$sheet" properties-options
  xdotool key Tab Tab p
  dialog alt+e "Payment Processor Hidden Fields" hidden-fields
  xdotool key Escape
  wait
'
echo "screenshots: docs/images/properties-*.png, product-dialog.png, hidden-fields.png"
