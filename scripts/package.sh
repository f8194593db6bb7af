#!/usr/bin/env bash
# Builds the Debian package of the game for /usr: an optimised build of the programs (stripped
# in the package), the demo data and the desktop files in build-package/, then cpack. Prints the
# package's path. With --source, makes the source archive instead (build-package/rufo-VERSION.tar.gz),
# which builds with the README's commands where there is no repository. Further arguments are
# passed to cmake.
#
# scripts/package.sh [--source] [CMAKE-ARGUMENTS...]
set -euo pipefail
cd "$(dirname "$0")/.."
source=false
if [ "${1:-}" = --source ]; then
  source=true
  shift
fi
scripts/install-deps.sh
build=${RUFO_PACKAGE_BUILD_DIR:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DRUFO_BUILD_TESTS=OFF -DRUFO_BUILD_BENCH=OFF "$@" >/dev/null
if $source; then
  (cd "$build" && cpack --config CPackSourceConfig.cmake >/dev/null)
  ls "$PWD/$build"/rufo-*.tar.gz
  exit 0
fi
cmake --build "$build"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$PWD/$build"/rufo_*.deb
