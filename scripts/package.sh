#!/usr/bin/env bash
# Makes the package an author installs, build/windows/mervane-<version>-win64.zip:
# the Windows module, its guide (mervane.pdf) and the install note. The
# version is the CMake project's. Needs what scripts/setup.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target mervane mervane_guide
(cd build/windows && cpack -G ZIP >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
echo "package: build/windows/mervane-$version-win64.zip"
