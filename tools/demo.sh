#!/usr/bin/env bash
# The built-in demo: shows what the build can do on a sample of its own.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
"$QUILLMERE_ROOT/tools/setup.sh"
echo "Quillmere is built: Windows programs in $BUILD_DIR/win/bin, native ones in $BUILD_DIR/native/bin."
ls "$BUILD_DIR/win/bin" "$BUILD_DIR/native/bin"
