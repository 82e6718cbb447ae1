#!/usr/bin/env python3
"""Tests of the launcher link's unwind-table packing (cmake/compact_eh_frame.py).

Without arguments: packing hand-made tables (equal common entries with their own
personality slots, a left-out function, language-specific data, a record before the
registered part) and refusing damaged or unknown ones.
With a program (the built stub): its tables are packed, hold no record of a left-out
function, few common entries, and every function they describe lies in .text.

    unwind_tables_test.py [quillmere.exe]
"""
import os
import struct
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "cmake"))
import compact_eh_frame as ceh  # noqa: E402

BASE = 0x10000
SLOTS = {0x9000: 0x4444, 0x9004: 0x4444, 0x9008: 0x5555}  # personality slots -> routine


def read_slot(address):
    return SLOTS[address]


def cie(at, slot):
    """A "zPLR" CIE at offset at whose personality is read indirectly from slot."""
    body = bytearray(b"\0\0\0\0" + b"\x01zPLR\0" + b"\x01\x7c\x08" + b"\x07\x9b")
    body += struct.pack("<I", (slot - (BASE + at + 4 + len(body))) & 0xFFFFFFFF)
    body += b"\x1b\x1b" + b"\x0c\x04\x04\x88\x01" + b"\0\0"
    return struct.pack("<I", len(body)) + bytes(body)


def fde(at, cie_at, start, lsda=0):
    """An FDE at offset at: function start (0: left out), 16 bytes long, LSDA or none."""
    body = bytearray(struct.pack("<I", at + 4 - cie_at))
    body += struct.pack("<I", (start - (BASE + at + 8)) & 0xFFFFFFFF if start else 0)
    body += struct.pack("<I", 16) + b"\x04"
    body += struct.pack("<I", (lsda - (BASE + at + 4 + len(body))) & 0xFFFFFFFF if lsda else 0)
    body += b"\x41\x0e\x08\0"
    return struct.pack("<I", len(body)) + bytes(body)


def tables():
    """A prefix record set (not registered), then two objects' tables, then a terminator."""
    data = bytearray(cie(0, 0x9008))          # prefix: its own CIE and FDE
    data += fde(len(data), 0, 0x2000)
    start = len(data)
    first = len(data)
    data += cie(first, 0x9000)
    data += fde(len(data), first, 0x3000, lsda=0x7000)
    data += fde(len(data), first, 0)          # a left-out function
    second = len(data)
    data += cie(second, 0x9004)               # same routine through another slot
    data += fde(len(data), second, 0x3100)
    third = len(data)
    data += cie(third, 0x9008)                # another routine: kept apart
    data += fde(len(data), third, 0x3200, lsda=0x7100)
    data += b"\0\0\0\0" + b"\xAA" * 8        # terminator, then what nothing reads
    return bytes(data), start


def functions(data, start):
    """(start, LSDA, personality routine) of every live function the tables describe."""
    cies, fdes, _ = ceh.parse_records(data, start, BASE, read_slot)
    out = []
    for record in fdes:
        if not record.live:
            continue
        lsda = [p.target for p in record.pointers[1:]]
        out.append((record.start.target, lsda[0] if lsda else 0, cies[record.cie_offset].cie[3].key))
    return sorted(out)


class PackingTest(unittest.TestCase):
    def test_packed_tables_describe_the_same_live_functions(self):
        data, start = tables()
        packed, end = ceh.compact(data, start, BASE, read_slot)
        self.assertEqual(data[:start], packed[:start])  # the unregistered part stays
        self.assertEqual(functions(packed, start), [(0x3000, 0x7000, 0x4444), (0x3100, 0, 0x4444),
                                                    (0x3200, 0x7100, 0x5555)])
        cies, fdes, packed_end = ceh.parse_records(packed, start, BASE, read_slot)
        self.assertEqual(len(cies), 2)  # the two entries of one routine became one
        self.assertEqual(len(fdes), 3)
        self.assertEqual(packed_end + 4, len(packed))
        self.assertLess(len(packed), end)
        self.assertEqual(ceh.described(packed, start, BASE, read_slot),
                         ceh.described(data, start, BASE, read_slot))

    def test_damaged_or_unknown_tables_are_refused(self):
        data, start = tables()
        cases = {
            "truncated": data[:start + 20],
            "length past the end": data[:start] + struct.pack("<I", 4096) + data[start + 4:],
            "FDE before any CIE": data[:start] + fde(start, start - 64, 0x3000) + b"\0" * 4,
            "unknown augmentation": data[:start] + data[start:].replace(b"zPLR", b"zPLX", 1),
            "unknown pointer encoding": data[:start] + data[start:].replace(b"\x1b\x1b", b"\x1b\x2b", 1),
        }
        for name, damaged in cases.items():
            with self.subTest(name):
                with self.assertRaises((ceh.Unsupported, IndexError, ValueError, KeyError)):
                    ceh.compact(damaged, start, BASE, read_slot)


class StubTest(unittest.TestCase):
    program = None

    def test_stub_tables_are_packed(self):
        with open(self.program, "rb") as f:
            pe = ceh.PeFile(f.read())
        section = pe.section(b".eh_fram")
        text = pe.section(b".text")
        data = bytes(pe.image[section["raw_at"]:section["raw_at"] + min(section["vsize"], section["raw_size"])])
        base = pe.image_base + section["rva"]

        def read_slot(address):
            return struct.unpack("<I", pe.data_at_rva(address - pe.image_base, 4))[0]

        cies, fdes, _ = ceh.parse_records(data, 0, base, read_slot)
        self.assertGreater(len(fdes), 1000)
        self.assertTrue(all(record.live for record in fdes), "records of left-out functions remain")
        self.assertLessEqual(len(cies), 8, "common entries are repeated")
        low, high = pe.image_base + text["rva"], pe.image_base + text["rva"] + text["vsize"]
        for record in fdes:
            self.assertTrue(low <= record.start.target < high, hex(record.start.target))


if __name__ == "__main__":
    if len(sys.argv) > 1:
        StubTest.program = sys.argv.pop(1)
        unittest.main(defaultTest="StubTest")
    else:
        unittest.main(defaultTest="PackingTest")
