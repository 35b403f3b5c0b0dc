#!/usr/bin/env bash
# Runs every test of both platforms: installs what is missing, builds the
# Linux and Windows presets, runs the unit and host-like tests natively and
# under Wine, builds and checks the package, fuzzes the project block, then
# the browser and checkout suites.
set -euo pipefail
cd "$(dirname "$0")/.."

step() { printf '\n==== %s\n' "$*"; }

step "set-up"
bash scripts/setup.sh

step "Linux build and tests"
cmake --preset linux >/dev/null
cmake --build --preset linux -j2
ctest --preset linux

step "Windows build and tests (Wine)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j2
xvfb-run -a ctest --preset windows

step "package: the module, its guide and the install note"
bash scripts/package.sh
bash tests/package/check_package.sh

step "fuzzing the project block"
bash scripts/fuzz.sh 60

if [ -d tests/checkout ]; then
  step "checkout script under PHP"
  node --test tests/checkout/
fi

if [ -f tests/browser/package.json ]; then
  step "cart in Chromium"
  (cd tests/browser && npm test)
fi
