#!/usr/bin/env bash
# quillpack shipping a program, end to end: ship_test.sh WORKDIR. The environment names
# the commands (each may start with a Wine wrapper): QP (quillpack), QS (quillskin), QP_SAMPLE (the
# sample writer, whose "probe" reads a program's identity: through the platform's APIs
# in the Windows build, through quillpack's reader natively), QP_STUB (the launcher
# quillmere.exe; empty when not built), QP_SKIN (a skin file), and in the Windows build
# QP_RUN (runs a Windows program) and QP_RECORDER (the tests' recorder program);
# QP_PNG_ICON is an icon file whose images are PNG files.
# Paths given to the tools are relative to WORKDIR, so one script serves both builds.
set -u
work=$1
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
run() {  # run EXPECTED_STATUS ARGS...: quillpack's output in out.txt and err.txt
  local expected=$1; shift
  $QP "$@" >out.txt 2>err.txt
  local status=$?
  [ "$status" -eq "$expected" ] || fail "quillpack $* exited $status, expected $expected: $(cat err.txt)"
}
expect_out() { grep -Eq -- "$1" out.txt || fail "stdout lacks /$1/: $(cat out.txt)"; }
expect_err() { grep -Eq -- "$1" err.txt || fail "stderr lacks /$1/: $(cat err.txt)"; }
probe() { $QP_SAMPLE probe "$1" 2>&1 | tr -d '\r' >probe.txt; }
expect_probe() { grep -Eq -- "$1" probe.txt || fail "$2 lacks /$1/: $(cat probe.txt)"; }
refused() {  # refused MESSAGE_PATTERN ARGS...: pack stops with the message and writes nothing
  local pattern=$1; shift
  rm -f refused.exe
  run 1 pack --output refused.exe "$@"
  expect_err "$pattern"
  [ ! -e refused.exe ] || fail "pack $* wrote refused.exe"
}

$QP_SAMPLE stub sample-stub.exe && $QP_SAMPLE program prog.exe && $QP_SAMPLE versionsource other.exe &&
  $QP_SAMPLE ico my.ico && $QP_SAMPLE console console.exe || { echo "cannot make the samples"; exit 1; }
cp "$QP_SKIN" my.skn
stub=sample-stub.exe
if [ -n "${QP_STUB:-}" ] && [ -f "$QP_STUB" ]; then cp "$QP_STUB" quillmere.exe && stub=quillmere.exe; fi
mkdir -p data/sub
printf 'alpha' >data/a.txt
printf 'beta' >data/sub/b.txt

# Identity: the main program's icon group and version texts, or those asked for.
run 0 pack --stub $stub --main prog.exe --output ident.exe
expect_out "icon from prog.exe"
probe ident.exe
expect_probe "^icon MAINICON 2$" "ident.exe"
expect_probe "^icon images 2$" "ident.exe"  # none of the stub's own images is left behind
expect_probe "^FileDescription=Sample Program$" "ident.exe"
expect_probe "^ProductName=Sample Suite$" "ident.exe"
expect_probe "^LegalCopyright=\(c\) Sample Makers$" "ident.exe"
expect_probe "^checksum ok$" "ident.exe"
[ -n "${QP_RUN:-}" ] && expect_probe "^shell icons [1-9]" "ident.exe"
run 0 pack --stub $stub --main prog.exe --icon my.ico --version-from other.exe --output other-ident.exe
probe other-ident.exe
expect_probe "^icon MAINICON 3$" "other-ident.exe"
expect_probe "^FileDescription=Other Description$" "other-ident.exe"
# An icon whose images are PNG files (as the launcher's own) goes in whole and loads.
cp "$QP_PNG_ICON" png.ico
run 0 pack --stub $stub --main prog.exe --icon png.ico --output png-ident.exe
probe png-ident.exe
expect_probe "^icon MAINICON 3$" "png-ident.exe"
expect_probe "^icon images 3$" "png-ident.exe"
[ -n "${QP_RUN:-}" ] && expect_probe "^icon loads$" "png-ident.exe"
run 0 pack --stub sample-stub.exe --main prog.exe --keep-launcher-resources --output kept.exe
probe kept.exe
expect_probe "^FileDescription=Sample launcher$" "kept.exe"
expect_probe "^checksum ok$" "kept.exe"

# Folders: --recurse --paths stores the tree below the folder's own name.
run 0 pack --stub $stub --main prog.exe --recurse --paths --output tree.exe data
run 0 list tree.exe
expect_out ' data\\a\.txt$'
expect_out ' data\\sub\\b\.txt$'
run 0 extract --with-paths tree.exe back
cmp -s back/data/sub/b.txt data/sub/b.txt || fail "data/sub/b.txt did not arrive with its tree"
run 0 pack --stub $stub --main prog.exe --paths --output file-paths.exe ./data//sub/b.txt data/../data/a.txt
run 0 list file-paths.exe
expect_out ' data\\sub\\b\.txt$'
expect_out ' a\.txt$'

# Refusals: each names what is wrong, exits 1 and writes nothing.
refused "Launcher stub tree.exe already carries a payload" --stub tree.exe --main prog.exe
head -c 3000 /dev/urandom >random.bin
refused "Launcher stub random.bin is not a Windows program" --stub random.bin --main prog.exe
refused "Launcher stub console.exe is not a Windows GUI program" --stub console.exe --main prog.exe
refused "Skin random.bin is not a skin file" --stub $stub --main prog.exe --skin random.bin
refused "Extra file nothere.txt not found" --stub $stub --main prog.exe nothere.txt
refused "Extra data is a folder; give --recurse" --stub $stub --main prog.exe data
refused "Main file data is a folder" --stub $stub --main data
refused "Main file none.exe not found" --stub $stub --main none.exe
refused "Icon random.bin is not an icon file" --stub $stub --main prog.exe --icon random.bin
refused "Version source none.exe is not found" --stub $stub --main prog.exe --version-from none.exe
refused "Version source my.ico is not a Windows program" --stub $stub --main prog.exe --version-from my.ico
refused "Two payload entries would be named a.txt" --stub $stub --main prog.exe --recurse data/a.txt data

# Honest messages of the other commands.
run 1 list random.bin
expect_err "^random.bin is not an archive"
run 1 list data
expect_err "^data is a folder, not an archive"
run 0 create a.zlb data/a.txt
run 1 create a.zlb data/sub/b.txt
expect_err "The archive a.zlb exists"
run 0 create b.zlb data
expect_err "warning: data is a folder; nothing was added from it"
run 0 --version
expect_out "^quillpack [0-9]"
if [ -n "${QS:-}" ]; then
  $QS --version 2>&1 | tr -d '\r' | grep -Eq "^quillskin [0-9]" || fail "quillskin --version"
fi
# extract goes on after an entry it cannot write, and names it.
mkdir -p blocked/prog.exe
run 1 extract tree.exe blocked
[ -f blocked/app.data ] || fail "extract stopped at the entry it could not write"
expect_err "prog.exe"
if [ -z "${QP_RUN:-}" ]; then
  umask 022
  run 0 extract tree.exe perms
  [ "$(stat -c %a perms/app.data)" = 644 ] || fail "extracted files should be 644, are $(stat -c %a perms/app.data)"
  [ -x ident.exe ] || fail "a packed launcher should be executable"
  [ "$(stat -c %a a.zlb)" = 644 ] || fail "a new archive should be 644, is $(stat -c %a a.zlb)"
fi

# Signing after packing: osslsigncode with a throw-away CA.
if command -v osslsigncode >/dev/null && command -v openssl >/dev/null; then
  source "$(dirname "${BASH_SOURCE[0]}")/throwaway_ca.sh"
  throwaway_ca ca.pem sign.pem sign.key || fail "openssl could not make the test certificates"
  main=prog.exe
  [ -n "${QP_RECORDER:-}" ] && cp "$QP_RECORDER" recorder.exe && main=recorder.exe
  run 0 pack --stub $stub --main $main --recurse --paths --output unsigned.exe data
  osslsigncode sign -certs sign.pem -key sign.key -n "Signed Sample" -in unsigned.exe -out signed.exe \
    >sign.txt 2>&1 || fail "osslsigncode sign: $(cat sign.txt)"
  osslsigncode verify -CAfile ca.pem -in signed.exe >verify.txt 2>&1 ||
    fail "osslsigncode verify: $(tail -5 verify.txt)"
  run 0 list signed.exe
  expect_out "data\\\\sub\\\\b\.txt"
  run 0 test signed.exe
  run 0 extract --with-paths signed.exe signed-back
  cmp -s signed-back/data/a.txt data/a.txt || fail "extract from the signed launcher"
  if [ -n "${QP_RUN:-}" ]; then
    # The signed launcher runs: the recorder is started and the data folder arrives.
    mkdir -p run && cp signed.exe run/
    (cd run && QM_RECORD_FILE=record.txt $QP_RUN signed.exe >/dev/null 2>&1)
    grep -q "recorder.exe" run/record.txt 2>/dev/null || fail "the signed launcher did not run its program"
    [ -f run/data/sub/b.txt ] || fail "the signed launcher did not unpack data\\sub\\b.txt"
  fi
  # Data behind the signature: refused with a clear message.
  cp signed.exe appended.exe && printf 'trailing bytes' >>appended.exe
  run 1 list appended.exe
  expect_err "signature that is not at the end of the file"
  # add onto a signed launcher says it drops the signature, and does.
  cp signed.exe added.exe
  run 0 add added.exe my.ico
  expect_err "is signed; adding to it drops the signature"
  run 0 list added.exe
  expect_out "my.ico"
  osslsigncode verify -CAfile ca.pem -in added.exe >/dev/null 2>&1 && fail "added.exe still verifies"
  probe added.exe
  expect_probe "^checksum ok$" "added.exe"
else
  echo "osslsigncode or openssl missing: signing not checked"
fi

if [ "$failures" -eq 0 ]; then echo "quillpack shipping: every check held"; else echo "quillpack shipping: $failures checks FAILED"; fi
[ "$failures" -eq 0 ]
