#!/usr/bin/env bash
# The launcher without a display: its window cannot be created, so it must end with a
# status and a message on standard error, never with an uncaught C++ exception.
# no_display_test.sh WORKDIR LAUNCHER.exe (run through tools/wine-run.sh).
set -u
work=$1
launcher=$2
runner="$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-run.sh"
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
env -u DISPLAY "$runner" "$launcher" >out.txt 2>err.txt
status=$?
# The Wine session may now lack its display: end it so later tests start a fresh one.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/env.sh"
wineserver -k >/dev/null 2>&1
failures=0
[ "$status" -eq 1 ] || { echo "FAILED: exit status $status, expected 1"; failures=1; }
grep -q "terminate called" err.txt && { echo "FAILED: uncaught exception"; failures=1; }
grep -q "Quillmere: .*window" err.txt || { echo "FAILED: no message on stderr"; failures=1; }
cat err.txt
exit $failures
