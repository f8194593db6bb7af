#!/usr/bin/env bash
# Builds the browser version (scripts/web.sh --bundle) and plays it in Debian's Chromium,
# headless: the whole first visit with a reload, and a phone's screen held sideways. The
# screenshots and the measured figures go to build-web/test. Uses the native build in
# RUFO_NATIVE_BUILD (default build), whose program draws the frames the browser's must match.
set -euo pipefail
cd "$(dirname "$0")/.."
native=${RUFO_NATIVE_BUILD:-build}
scripts/web.sh --bundle
cmake --build "$native" --target rufo
# The tests talk to the browser through node's own WebSocket, there from Node.js 20.10 on.
node --experimental-websocket -e '' 2>/dev/null ||
  { echo "test-web.sh: needs Node.js 20.10 or newer (node --experimental-websocket)" >&2; exit 1; }
out=build-web/test
failed=0
for test in first_screens phone_size; do
  echo "browser test: $test"
  node --experimental-websocket "tests/web/$test.mjs" build-web/site "$out/$test" "$native" || failed=1
done
exit "$failed"
