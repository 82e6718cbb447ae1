#!/usr/bin/env bash
# quillpack create, add and pack, end to end: write_cli_test.sh WORKDIR QUILLPACK...
# (the command may be a Wine wrapper followed by quillpack.exe). Paths given to the
# tool are relative to WORKDIR, so the same script serves both builds. The environment
# names the sample maker (QP_SAMPLE, a command: it writes a stand-in launcher stub) and
# a skin file (QP_SKIN).
set -u
work=$1; shift
qp=("$@")
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
run() {  # run EXPECTED_STATUS ARGS...: output in out.txt and err.txt
  local expected=$1; shift
  "${qp[@]}" "$@" >out.txt 2>err.txt
  local status=$?
  [ "$status" -eq "$expected" ] || fail "quillpack $* exited $status, expected $expected: $(cat err.txt)"
}
expect_out() { grep -Eq -- "$1" out.txt || fail "stdout lacks /$1/: $(cat out.txt)"; }
expect_err() { grep -Eq -- "$1" err.txt || fail "stderr lacks /$1/: $(cat err.txt)"; }

# Inputs: a stand-in launcher stub, a program, a skin, extras and a folder tree.
$QP_SAMPLE stub stub.exe || { echo "cannot make the stub"; exit 1; }
stub_size=$(stat -c %s stub.exe)
cp stub.exe stub.orig
seq 1 20000 >prog.exe
cp "$QP_SKIN" my.skn
printf 'extra\r\n' >extra.txt
printf 'second extra' >extra2.txt
mkdir -p tree/sub/deeper
seq 1 3000 >tree/top.txt
printf 'b' >tree/sub/b.txt
seq 5 900 >tree/sub/deeper/c.txt

# The stub's bytes in a packed launcher: all but the PE checksum, which is recomputed
# (at offset 0xD8 in the sample stub).
same_stub() { cmp -s -n 216 stub.orig "$1" && cmp -s -i 220 -n $((stub_size - 220)) stub.orig "$1"; }

# pack: stub + payload (main, app.data, skin.skn, extras in this order).
run 0 pack --stub stub.exe --main prog.exe --skin my.skn --user-folder --output out.exe extra.txt
expect_out "Packed out.exe"
same_stub out.exe || fail "out.exe does not begin with the stub"
run 0 list --json out.exe
expect_out "\"start\": $stub_size"
expect_out '^  \{"name": "prog.exe", "path": "", "size": 108894, "packed": [0-9]+, "encrypted": false, "offset": 0, "crc": "[0-9a-f]{8}", "method": 0, "level": 2\}'
expect_out '^  \{"name": "app.data", "path": "", .*"method": 1, "level": 0\}'
expect_out "\"name\": \"skin.skn\", \"path\": \"\", \"size\": $(stat -c %s my.skn),"
expect_out '"name": "extra.txt"'
[ "$(grep -c '"name"' out.txt)" -eq 4 ] || fail "payload should have 4 entries: $(cat out.txt)"
run 0 extract out.exe unpacked app.data skin.skn
printf 'prog.exe\r\nTrue\r\n' >expected-tail.txt
tail -n 2 unpacked/app.data | cmp -s - expected-tail.txt || fail "app.data lines 4 and 5: $(od -c unpacked/app.data)"
[ "$(wc -l <unpacked/app.data)" -eq 5 ] || fail "app.data should have 5 lines"
grep -q $'^quillpack\r$' unpacked/app.data || fail "app.data line 1 names the packer"
cmp -s unpacked/skin.skn my.skn || fail "skin.skn differs from the skin given"

# Without --user-folder line 5 is False; the default output name is the main's base + -packed.exe.
run 0 pack --stub stub.exe --main prog.exe
[ -f prog-packed.exe ] || fail "default output prog-packed.exe missing"
run 0 extract prog-packed.exe unpacked2 app.data
tail -n 1 unpacked2/app.data | grep -q $'^False\r$' || fail "line 5 should be False"

# The stub and other inputs are never overwritten; clashing entry names are refused.
run 1 pack --stub stub.exe --main prog.exe --output stub.exe
expect_err "Refusing to overwrite"
cmp -s stub.orig stub.exe || fail "the stub was changed"
run 1 pack --stub stub.exe --main prog.exe --output o2.exe unpacked/app.data
expect_err "Two payload entries would be named"
run 1 pack --stub nostub.exe --main prog.exe
expect_err "Launcher stub nostub.exe not found"
run 0 pack --help
expect_out "Usage: quillpack pack"

# add behind the prefix keeps the stub and the old entries' bytes.
run 0 add out.exe extra2.txt
same_stub out.exe || fail "add changed the stub bytes"
run 0 list out.exe
expect_out "5 entries"

# create with paths and recursion; the sub-folders' files come first, each once.
run 0 create --paths --recurse --level max a.zlb tree
run 0 list a.zlb
expect_out "3 entries"
expect_out 'maximum +[0-9a-f]{8}  tree\\sub\\deeper\\c.txt'
expect_out 'tree\\top.txt'
run 1 create a.zlb tree/top.txt
expect_err "The archive a.zlb exists"
# add: an unreadable item is a warning, the rest is stored, the status says so.
run 1 add --level none a.zlb missing.txt extra.txt
expect_err "warning: missing.txt cannot be read; left out"
expect_out "1 entr(y|ies) added, 4 in all"
run 0 extract --with-paths a.zlb back
cmp -s back/tree/sub/deeper/c.txt tree/sub/deeper/c.txt || fail "c.txt round trip"
cmp -s back/tree/top.txt tree/top.txt || fail "top.txt round trip"
cmp -s back/extra.txt extra.txt || fail "extra.txt round trip"
run 0 create --base-dir 'TREE\' --paths --recurse b.zlb tree
run 0 list b.zlb
expect_out '  sub\\b.txt'
run 1 create --level best c.zlb tree
expect_err "Unknown level"

if [ "$failures" -eq 0 ]; then echo "quillpack create/add/pack: every check held"; else echo "quillpack create/add/pack: $failures checks FAILED"; fi
[ "$failures" -eq 0 ]
