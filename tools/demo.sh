#!/usr/bin/env bash
# The built-in demo: packs the sample program (a run counter) into a single-file
# launcher and runs it twice under Wine. The counter file the first run writes into
# its work folder is saved by the launcher and is back in the second run's work folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
"$QUILLMERE_ROOT/tools/setup.sh"
cmake --build "$BUILD_DIR/win" --target quillmere quillpack visit_counter classic_skin >/dev/null

bin=$BUILD_DIR/win/bin
demo=$BUILD_DIR/demo
rm -rf "$demo"
mkdir -p "$demo/start folder"
trap 'stop_wine; stop_display' EXIT
start_display

winpath() { winepath -w "$1" 2>/dev/null; }
packed="$demo/Visit Counter.exe"
echo "== Packing the sample program and the default skin into one launcher"
wine "$bin/quillpack.exe" pack --stub "$(winpath "$bin/quillmere.exe")" \
  --main "$(winpath "$bin/visit_counter.exe")" --skin "$(winpath "$bin/classic.skn")" \
  --output "$(winpath "$packed")"

# Where the launcher keeps this program's saved files: the roaming application data
# folder, "Quillmere", and the MD5 of the launcher's own path.
key=$(printf '%s' "$(winpath "$packed")" | md5sum | cut -c1-32 | tr 'a-f' 'A-F')
appdata=$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
storage_win="$appdata\\Quillmere\\$key\\storage.data"
storage=$(winepath -u "$storage_win" 2>/dev/null)
rm -rf "$(dirname "$storage")"  # start fresh, so the first run is a first run

report="$demo/report.txt"
for run in 1 2; do
  echo
  echo "== Run $run: \"Visit Counter.exe\" \"hello world\" (started in \"$demo/start folder\")"
  rm -f "$report"
  (cd "$demo/start folder" && QUILLMERE_DEMO_REPORT="$(winpath "$report")" wine "$packed" "hello world")
  echo "The sample program reported:"
  cat "$report"
  echo "Left in the start folder: $(ls "$demo/start folder" | tr '\n' ' ')(the descriptor and the skin stay; the program itself was deleted)"
  echo "Saved work folder: $storage_win"
  wine "$bin/quillpack.exe" list "$storage_win" | sed 's/^/  /'
done
echo
echo "The second run found visits.txt, written by the first run into its own (deleted)"
echo "work folder: the launcher saved it into storage.data and restored it."
