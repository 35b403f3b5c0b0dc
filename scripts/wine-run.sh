#!/usr/bin/env bash
# Runs a Windows program under Wine, headless, with a private prefix that is
# created on first use. Used by CTest as the cross-compiling emulator.
set -euo pipefail
export WINEPREFIX="${WINEPREFIX:-${TMPDIR:-/tmp}/mervane-wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ ! -d "$WINEPREFIX" ]; then
  wineboot --init >/dev/null 2>&1 || true
fi
exec wine "$@"
