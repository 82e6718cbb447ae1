#!/usr/bin/env python3
"""Links a Windows program so that --gc-sections really leaves out unused functions.

The PE linker script keeps every .eh_frame input section (KEEP), and an object's unwind
records refer to the code of all its functions: so no function that has an unwind
record is ever left out. This wrapper links twice:
  1. with .eh_frame not kept, listing the sections the linker leaves out: the code
     sections among them are the functions nothing calls;
  2. with the default script, whose first rule discards exactly those code sections of
     the link's inputs.
Unwind records of a discarded function are left with a zero start address, which the
unwinder skips, as it does for discarded duplicate functions. The exception personality
routines (and what they call) are reached only through the unwind records: the first
pass keeps them as roots. When anything about the first pass goes wrong, the program is
linked as usual.

The linked program's unwind tables are then packed (compact_eh_frame.py beside this
file): the records of the left-out functions and the repeated common entries go.

With link-time optimisation (-flto) the first pass keeps the object the optimiser
compiled the program into, and the second links that object in place of the inputs that
carry the compiler's intermediate code: the slow optimisation runs once, and both passes
link the same code (a new optimisation run would give its object a new temporary name,
which the rules of the first pass could not name).

Used as the link rule launcher of a target:  link_dropping_dead_unwind.py COMPILER ARGS...
"""
import glob
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import compact_eh_frame  # noqa: E402

REMOVED = re.compile(r"removing unused section '(\.text[^'\[]*)(?:\[[^']*\])?' in file '([^']+)'")
# Characters a file or section name may hold unquoted in a linker script rule.
PLAIN = re.compile(r"^[A-Za-z0-9_./\\$~+\-]+$")
# Reached only through unwind records (i686 symbol names).
PERSONALITY_ROOTS = ["-Wl,-u,___gxx_personality_v0"]
SEPARATOR = "=================================================="


def default_script(compiler):
    ld = subprocess.run([compiler, "-print-prog-name=ld"], capture_output=True, text=True,
                        check=True).stdout.strip()
    text = subprocess.run([ld, "--verbose"], capture_output=True, text=True, check=True).stdout
    parts = text.split(SEPARATOR)
    if len(parts) < 3 or "KEEP(*(.eh_frame*))" not in parts[1] or "SECTIONS\n{\n" not in parts[1]:
        raise RuntimeError("unexpected default linker script")
    return parts[1]


def with_output(args, output):
    out = list(args)
    out[out.index("-o") + 1] = output
    # The import library belongs to the real link only.
    return [a for a in out if not a.startswith("-Wl,--out-implib")]


def link_time_optimised(args):
    return any(a == "-flto" or a.startswith("-flto=") for a in args)


def carries_intermediate_code(path):
    """Whether an object or archive holds the compiler's link-time optimisation code."""
    if not path.endswith((".o", ".obj", ".a")) or not os.path.isfile(path):
        return False
    with open(path, "rb") as f:
        return b".gnu.lto_" in f.read()


def with_optimised_object(args, optimised):
    """The link's arguments with the optimiser's objects in place of the inputs they were
    compiled from, and without link-time optimisation."""
    out, placed = [], False
    for a in args:
        if a == "-flto" or a.startswith(("-flto=", "-flto-partition=")):
            continue
        if carries_intermediate_code(a):
            if not placed:
                out.extend(optimised)
                placed = True
            continue
        out.append(a)
    return out


def dead_code_rules(args, removed_report):
    """Script rules discarding the removed code sections."""
    rules = []
    for section, file in REMOVED.findall(removed_report):
        where = re.sub(r"^(.*)\((.*)\)$", r"\1:\2", file)  # archive(member) -> archive:member
        if PLAIN.match(section) and PLAIN.match(where.replace(":", "")):
            rules.append(f"    {where}({section})\n")
    return rules


def pack_unwind_tables(program, link_map):
    """Packs the program's unwind tables; on any doubt the program stays as linked."""
    try:
        compact_eh_frame.compact_program(program, link_map)
    except (compact_eh_frame.Unsupported, OSError, ValueError, IndexError, KeyError,
            compact_eh_frame.struct.error) as e:
        print(f"link_dropping_dead_unwind: unwind tables left as linked ({e})", file=sys.stderr)


def main():
    args = sys.argv[1:]
    if "-o" not in args:
        return subprocess.call(args)
    try:
        script = default_script(args[0])
        with tempfile.TemporaryDirectory(prefix="qm-link-") as tmp:
            first = os.path.join(tmp, "first.ld")
            with open(first, "w") as f:
                f.write(script.replace("KEEP(*(.eh_frame*))", "*(.eh_frame*)"))
            lto = link_time_optimised(args)
            keep_optimised = ["-save-temps"] if lto else []
            probe = subprocess.run(
                with_output(args, os.path.join(tmp, "probe.exe")) + ["-Wl,-T," + first, "-Wl,--print-gc-sections"] + PERSONALITY_ROOTS + keep_optimised,
                capture_output=True, text=True)
            if probe.returncode != 0:
                raise RuntimeError(probe.stderr)
            final = args
            if lto:
                optimised = sorted(glob.glob(os.path.join(tmp, "probe.ltrans*.ltrans.o")))
                if not optimised:
                    raise RuntimeError("the optimised object of the first pass is missing")
                final = with_optimised_object(args, optimised)
            rules = dead_code_rules(final, probe.stderr)
            second = os.path.join(tmp, "second.ld")
            discard = "  /DISCARD/ :\n  {\n" + "".join(rules) + "  }\n"
            with open(second, "w") as f:
                f.write(script.replace("SECTIONS\n{\n", "SECTIONS\n{\n" + discard, 1))
            link_map = os.path.join(tmp, "link.map")
            if subprocess.call(final + ["-Wl,-T," + second, "-Wl,-Map," + link_map]) != 0:
                raise RuntimeError("the second pass failed")
            pack_unwind_tables(args[args.index("-o") + 1], link_map)
            return 0
    except (OSError, RuntimeError, subprocess.SubprocessError, ValueError) as e:
        print(f"link_dropping_dead_unwind: {e}; linking as usual", file=sys.stderr)
        return subprocess.call(args)


if __name__ == "__main__":
    sys.exit(main())
