#!/usr/bin/env bash
# Runs every test: native unit tests and short fuzz runs, then the Windows tests under
# Wine inside one private Xvfb display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
"$QUILLMERE_ROOT/tools/setup.sh"

trap 'stop_wine; stop_display' EXIT
start_display
status=0
ctest --test-dir "$BUILD_DIR/native" --output-on-failure -j2 || status=1
ctest --test-dir "$BUILD_DIR/win" --output-on-failure || status=1
[ $status -eq 0 ] && echo "All tests passed." || echo "Some tests FAILED."
exit $status
