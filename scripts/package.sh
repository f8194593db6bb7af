#!/usr/bin/env bash
# Builds the Debian package of the game for /usr: an optimised build of the programs (stripped
# in the package), the demo data and the desktop files in build-package/, then cpack. Prints the
# package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${RUFO_PACKAGE_BUILD_DIR:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DRUFO_BUILD_TESTS=OFF -DRUFO_BUILD_BENCH=OFF
cmake --build "$build"
(cd "$build" && cpack -G DEB)
ls "$PWD/$build"/rufo_*.deb
