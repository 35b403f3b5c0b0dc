#!/usr/bin/env bash
# The main job: sets the machine up, builds the extension and ostrel, the
# stand-in for the site editor, publishes the demo bakery into out/demo and
# serves it. Shop in the browser, check out on the order page, and read the
# order e-mails in the mail folder that is printed. Ctrl-C stops the server.
# PORT=N picks another port (default 8080).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset linux
cmake --build --preset linux -j2

ostrel=build/linux/src/ostrel
rm -rf out/demo out/demo-mail
"$ostrel" site examples/bakery/site.json out/demo
exec "$ostrel" serve out/demo --port "${PORT:-8080}"
