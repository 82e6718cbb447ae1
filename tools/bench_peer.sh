#!/usr/bin/env bash
# Start-up beside a peer launcher: packs the same payloads (a program that ends at once
# and 1 MB or 100 MB of mixed data) with quillpack and with NSIS (zlib, silent, unpack
# to $PLUGINSDIR, ExecWait, clean up), then times both under Wine in one run. Needs the
# Debian package nsis (makensis); CI does not run this.
#   tools/bench_peer.sh [ROUNDS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
command -v makensis >/dev/null || { echo "makensis not found: apt-get install -y nsis" >&2; exit 2; }
rounds=${1:-5}
win="$BUILD_DIR/win/bin"
work=$(mktemp -d /tmp/qm-bench-peer.XXXXXX)
trap 'rm -rf "$work"; stop_wine; stop_display' EXIT
cp "$win/launcher_recorder.exe" "$work/quick.exe"

for size in 1 100; do
  python3 - "$work/data$size.bin" "$size" <<'PY'
import random, sys
# Mixed content: runs of text-like bytes and random bytes, so it compresses partly.
rng = random.Random(12345)
words = b"launcher payload archive folder storage window marquee "
texts = [bytes(words[rng.randrange(len(words))] for _ in range(4096)) for _ in range(64)]
total = int(sys.argv[2]) << 20
with open(sys.argv[1], "wb") as out:
    written = 0
    while written < total:
        chunk = rng.choice(texts) if rng.getrandbits(1) else rng.randbytes(4096)
        chunk = chunk[: total - written]
        out.write(chunk)
        written += len(chunk)
PY
  mkdir -p "$work/p$size"
  cp "$work/quick.exe" "$work/p$size/quick.exe"
  cp "$work/data$size.bin" "$work/p$size/data.bin"
  "$BUILD_DIR/native/bin/quillpack" pack --stub "$win/quillmere.exe" --main "$work/p$size/quick.exe" \
      --output "$work/q$size.exe" "$work/p$size/data.bin" >/dev/null
  cat > "$work/n$size.nsi" <<NSI
Unicode true
SetCompressor zlib
SilentInstall silent
RequestExecutionLevel user
OutFile "$work/n$size.exe"
Section
  InitPluginsDir
  SetOutPath "\$PLUGINSDIR"
  File "$work/p$size/quick.exe"
  File "$work/p$size/data.bin"
  ExecWait '"\$PLUGINSDIR\\quick.exe"'
  SetOutPath "\$TEMP"
  RMDir /r "\$PLUGINSDIR"
SectionEnd
NSI
  makensis -V1 "$work/n$size.nsi"
done
ls -l "$work"/q*.exe "$work"/n*.exe | awk '{print $5, $9}'
echo "stub: $(stat -c %s "$win/quillmere.exe") bytes"
start_display
z() { echo "Z:${1//\//\\}"; }
wine "$win/peer_launcher_bench.exe" "$(z "$work")" "$rounds" \
  "1 MB" "$(z "$work/q1.exe")" "$(z "$work/n1.exe")" \
  "100 MB" "$(z "$work/q100.exe")" "$(z "$work/n100.exe")"
