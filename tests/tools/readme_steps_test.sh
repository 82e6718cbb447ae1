#!/usr/bin/env bash
# Runs the README's "Shipping a program step by step" lines as they stand:
# readme_steps_test.sh WORKDIR README BUILD_ROOT SAMPLE_WRITER. In WORKDIR, `build`
# leads to the build folder, so build/native/bin/quillpack and the launcher it finds
# (build/win/bin/quillmere.exe) are the real ones; the program, icon, data folder and a
# throw-away certificate are made here. Skipped (77) without the Windows tree's launcher.
set -u
work=$1 readme=$2 build=$3 sample=$4
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
ln -s "$build" build
[ -f build/win/bin/quillmere.exe ] || { echo "build/win/bin/quillmere.exe not built: skipped"; exit 77; }
command -v osslsigncode >/dev/null && command -v openssl >/dev/null || { echo "no osslsigncode: skipped"; exit 77; }
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

"$sample" program MyProgram.exe && "$sample" ico MyProgram.ico || exit 1
mkdir -p data/maps && printf 'level one' >data/maps/one.txt && printf 'settings' >data/settings.ini
source "$(dirname "${BASH_SOURCE[0]}")/throwaway_ca.sh"
throwaway_ca myca.pem mycert.pem mykey.pem || fail "openssl could not make the test certificates"

# The lines between the markers, without their indentation.
sed -n '/<!-- readme-steps: begin -->/,/<!-- readme-steps: end -->/p' "$readme" | sed '1d;$d' |
  sed 's/^    //' >steps.sh
[ "$(grep -c 'quillpack' steps.sh)" -ge 3 ] || fail "the README's steps were not found: $(cat steps.sh)"
bash -e steps.sh >steps.out 2>&1 || fail "the README's steps failed: $(tail -20 steps.out)"

grep -q 'data\\maps\\one.txt' steps.out || fail "list does not show data\\maps\\one.txt: $(cat steps.out)"
grep -q 'Signature verification: ok' steps.out || fail "the signature does not verify: $(tail -20 steps.out)"
"$sample" probe MyProgram-signed.exe >probe.txt 2>&1
grep -q '^icon MAINICON 3$' probe.txt || fail "the signed launcher lacks the icon of MyProgram.ico: $(cat probe.txt)"
grep -q '^FileDescription=Sample Program$' probe.txt || fail "the signed launcher lacks MyProgram.exe's version texts"

if [ "$failures" -eq 0 ]; then echo "README steps: every check held"; else echo "README steps: $failures checks FAILED"; fi
[ "$failures" -eq 0 ]
