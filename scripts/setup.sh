#!/usr/bin/env bash
# Installs every build and test dependency on a fresh Debian 12 machine (run as root).
# Safe to run again: apt and npm skip what is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ make ninja-build pkg-config git
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 xvfb xauth
  imagemagick xdotool
  libcairo2-dev fonts-dejavu-core
  php-cli nlohmann-json3-dev
  chromium nodejs poppler-utils
  curl ca-certificates
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Node's own npm comes with some Node builds; Debian's npm only where it is missing.
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The MinGW compilers default to the win32 thread model; the posix one gives std::thread.
update-alternatives --set x86_64-w64-mingw32-g++ /usr/bin/x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 || true
update-alternatives --set x86_64-w64-mingw32-gcc /usr/bin/x86_64-w64-mingw32-gcc-posix >/dev/null 2>&1 || true

# Browser tests: jQuery 1.9.1 and playwright-core, pinned by the lock file.
if [ -f tests/browser/package.json ]; then
  (cd tests/browser && npm ci --no-audit --no-fund --loglevel=error)
fi
echo "setup: done"
