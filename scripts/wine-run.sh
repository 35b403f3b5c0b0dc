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
# Under Xvfb there is no window manager, and Wine waits two seconds for one
# whenever it hides a window it lets a manager handle; so it handles none.
if [ ! -f "$WINEPREFIX/.unmanaged-windows" ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 &&
    touch "$WINEPREFIX/.unmanaged-windows"
fi
exec wine "$@"
