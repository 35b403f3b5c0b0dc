#!/usr/bin/env bash
# One order end to end on the demo shop: ostrel publishes the site and
# serves it, a visitor posts a cart and then the order form, and the two
# order e-mails land in the mail folder.
# usage: serve_test.sh OSTREL SOURCE_DIR
set -euo pipefail
ostrel=$1
source=$2
work=$(mktemp -d)
server=
cleanup() {
  if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$ostrel" site "$source/examples/bakery/site.json" "$work/site" >/dev/null
"$ostrel" serve "$work/site" --port 0 --mail "$work/mail" >"$work/serve.out" 2>"$work/serve.err" &
server=$!

url=
for _ in $(seq 150); do
  url=$(sed -n 's|^Serving .* at \(http://127\.0\.0\.1:[0-9]*/\)$|\1|p' "$work/serve.out")
  if [ -n "$url" ] && curl -sf -o /dev/null "$url"; then break; fi
  sleep 0.2
done
curl -sf -o "$work/index.html" "$url" || fail "the site is not served: $(cat "$work/serve.err")"
grep -q 'id="Cart1" class="mvMain"' "$work/index.html" || fail "no cart on the shop page"
grep -q "Mail sent by the site is stored in $work/mail" "$work/serve.out" || fail "mail folder not shown"

checkout="${url}mervane_checkout.php"
curl -sf -o "$work/order.html" --data-urlencode 'products_selected[]=BR-001|2' \
  --data-urlencode 'products_selected[]=BR-003|1' "$checkout"
grep -q 'name="NAME_1" value="Sourdough Loaf"' "$work/order.html" || fail "order page lacks the cart"
grep -q 'name="TOTAL" value="\$13.20"' "$work/order.html" || fail "order page total is not \$13.20"
token=$(sed -n 's/.*name="order_token" value="\([0-9a-f]*\)".*/\1/p' "$work/order.html")
[ -n "$token" ] || fail "order page lacks its one-time token"

location=$(curl -s -o /dev/null -w '%{redirect_url}' "$checkout" \
  -d 'ID_1=BR-001&QUANTITY_1=2&PRICE_1=5.50&NAME_1=Sourdough+Loaf' \
  -d 'ID_2=BR-003&QUANTITY_2=1&PRICE_2=2.20&NAME_2=Baguette&TOTAL=%2413.20' \
  -d 'billing_first=Ada&billing_last=Lovelace&billing_address=1+Mill+Lane&billing_city=London' \
  -d 'billing_state=LDN&billing_zip=N1&billing_phone=555+0100&billing_email=ada%40example.org' \
  -d "order_token=$token")
[ "$location" = "${url}shop_success.html" ] || fail "order redirected to '$location'"
curl -sf -o /dev/null "$location" || fail "the success page is missing"

mails=("$work"/mail/*.eml)
[ "${#mails[@]}" -eq 2 ] || fail "expected 2 e-mails, found ${#mails[@]}"
grep -l '^To: ada@example.org' "${mails[@]}" >/dev/null || fail "no copy for the customer"
grep -q 'BR-001 - Sourdough Loaf' "${mails[0]}" || fail "the e-mail lacks the order line"
grep -q 'Sourdough Loaf' "$work/site/orders.csv" || fail "the order was not logged"
