#!/usr/bin/env python3
"""Compacts the unwind tables (.eh_frame) of a linked 32-bit Windows program.

The PE linker copies every object's .eh_frame whole: the records of functions that
--gc-sections left out stay behind (with a zero start address, skipped by the unwinder),
and every object, even every template instantiation, brings its own copy of the same
common information entry (CIE). This rewrites the registered part of the section (from
the start of crtbegin.o's contribution, where the runtime registers it, to the zero
terminator): frame description entries (FDEs) of left-out functions are dropped, equal
CIEs are kept once, and the remaining records are packed together, their PC-relative
pointers re-encoded for their new places. The section keeps its place and its virtual
size (the loader zero-fills what the file no longer holds); the file shrinks by the
raw data saved, the later sections' file offsets and the header checksum follow.

Before anything is written the result is decoded again and must describe exactly the
live functions of the original, with the same instructions, personality routines and
language-specific data: on any doubt (an encoding it does not know, a base relocation or
a debug directory it would have to move) the program is left as it is.

Usage: compact_eh_frame.py PROGRAM.exe LINK.map   (LINK.map: the link's -Map output)
"""
import re
import struct
import sys

DW_EH_PE_OMIT = 0xFF
FORMAT_SIZES = {0x00: 4, 0x03: 4, 0x0B: 4}  # absptr (i686), udata4, sdata4
APPLICATION_PCREL = 0x10


class Unsupported(Exception):
    pass


def uleb(data, pos):
    value = shift = 0
    while True:
        if pos >= len(data):
            raise Unsupported("truncated LEB128")
        byte = data[pos]
        pos += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if not byte & 0x80:
            return value, pos
        if shift > 35:
            raise Unsupported("LEB128 too long")


def check_encoding(encoding):
    if encoding & 0x0F not in FORMAT_SIZES or encoding & 0x70 not in (0, APPLICATION_PCREL):
        raise Unsupported("pointer encoding 0x%02x" % encoding)


def read_u32(data, pos):
    if pos + 4 > len(data):
        raise Unsupported("truncated record")
    return struct.unpack_from("<I", data, pos)[0]


class Pointer:
    """An encoded pointer inside a record: where it is (record offset), its encoding and
    the address it stands for (PC-relative ones resolved against their old place). Its
    key is what it means: the address, or for an indirect pointer (each object has its
    own slot holding the personality routine's address) the slot's content."""

    def __init__(self, record, offset, encoding, address_of_record, read_slot):
        check_encoding(encoding & 0x7F)
        self.offset = offset
        self.encoding = encoding
        raw = read_u32(record, offset)
        self.raw = raw
        if encoding & 0x70 == APPLICATION_PCREL:
            self.target = (address_of_record + offset + raw) & 0xFFFFFFFF
        else:
            self.target = raw
        self.key = read_slot(self.target) if encoding & 0x80 else self.target

    def encode(self, new_address_of_record):
        if self.encoding & 0x70 == APPLICATION_PCREL:
            return (self.target - (new_address_of_record + self.offset)) & 0xFFFFFFFF
        return self.raw


def parse_cie(record, address, read_slot):
    """(pointer encoding of its FDEs, has augmentation data, LSDA encoding, personality
    Pointer or None) of a CIE record (length field included)."""
    version = record[8]
    if version not in (1, 3):
        raise Unsupported("CIE version %d" % version)
    end = record.index(b"\0", 9)
    augmentation = record[9:end].decode("ascii")
    pos = end + 1
    _, pos = uleb(record, pos)  # code alignment
    _, pos = uleb(record, pos)  # data alignment (signed; only skipped)
    if version == 1:
        pos += 1
    else:
        _, pos = uleb(record, pos)
    fde_encoding, lsda_encoding, personality = 0x00, DW_EH_PE_OMIT, None
    if augmentation and augmentation[0] == "z":
        _, pos = uleb(record, pos)
        for letter in augmentation[1:]:
            if letter == "R":
                fde_encoding = record[pos]
                pos += 1
            elif letter == "L":
                lsda_encoding = record[pos]
                pos += 1
            elif letter == "P":
                personality = Pointer(record, pos + 1, record[pos], address, read_slot)
                pos += 1 + FORMAT_SIZES[record[pos] & 0x0F]
            elif letter != "S":
                raise Unsupported("CIE augmentation " + augmentation)
    elif augmentation:
        raise Unsupported("CIE augmentation " + augmentation)
    check_encoding(fde_encoding)
    if lsda_encoding != DW_EH_PE_OMIT:
        check_encoding(lsda_encoding)
    return fde_encoding, augmentation.startswith("z"), lsda_encoding, personality


class Record:
    def __init__(self, data, offset, address):
        length = read_u32(data, offset)
        if length == 0xFFFFFFFF or length < 8 or offset + 4 + length > len(data):
            raise Unsupported("record length")
        self.offset = offset
        self.address = address
        self.bytes = bytearray(data[offset:offset + 4 + length])
        self.cie_delta = read_u32(data, offset + 4)
        self.pointers = []


def parse_records(data, start, base_address, read_slot):
    """The records from start up to the zero terminator: (CIEs by offset, FDEs).
    read_slot(address): the pointer stored at address."""
    cies, fdes, offset = {}, [], start
    while True:
        if read_u32(data, offset) == 0:
            return cies, fdes, offset
        record = Record(data, offset, base_address + offset)
        if record.cie_delta == 0:
            record.cie = parse_cie(record.bytes, record.address, read_slot)
            if record.cie[3]:
                record.pointers.append(record.cie[3])
            cies[offset] = record
        else:
            cie_offset = offset + 4 - record.cie_delta
            if cie_offset not in cies:
                raise Unsupported("FDE without a CIE before it")
            record.cie_offset = cie_offset
            fde_encoding, has_z, lsda_encoding, _ = cies[cie_offset].cie
            record.start = Pointer(record.bytes, 8, fde_encoding, record.address, read_slot)
            record.pointers.append(record.start)
            record.live = record.raw_start_nonzero = record.start.raw != 0
            pos = 12 + FORMAT_SIZES[fde_encoding & 0x0F]  # behind start and range
            if has_z:
                length, pos = uleb(record.bytes, pos)
                if lsda_encoding != DW_EH_PE_OMIT and length:
                    lsda = Pointer(record.bytes, pos, lsda_encoding, record.address, read_slot)
                    if lsda.raw != 0:
                        record.pointers.append(lsda)
            fdes.append(record)
        offset += len(record.bytes)


def canonical(record):
    """A record's content with its pointers replaced by what they mean."""
    content = bytearray(record.bytes)
    content[4:8] = b"\0\0\0\0"
    for pointer in record.pointers:
        struct.pack_into("<I", content, pointer.offset, pointer.key)
    return bytes(content)


def compact(data, start, base_address, read_slot):
    """The new section data: data[:start], then the live records packed, a terminator."""
    cies, fdes, end = parse_records(data, start, base_address, read_slot)
    out = bytearray(data[:start])
    kept_cies = {}  # canonical content -> new offset
    cie_place = {}  # old offset -> new offset
    for fde in fdes:
        if fde.live and fde.cie_offset not in cie_place:
            cie = cies[fde.cie_offset]
            key = canonical(cie)
            if key not in kept_cies:
                kept_cies[key] = len(out)
                out += relocated(cie, base_address + len(out))
            cie_place[fde.cie_offset] = kept_cies[key]
    for fde in fdes:
        if not fde.live:
            continue
        place = len(out)
        record = relocated(fde, base_address + place)
        struct.pack_into("<I", record, 4, place + 4 - cie_place[fde.cie_offset])
        out += record
    out += b"\0\0\0\0"
    return bytes(out), end


def relocated(record, new_address):
    content = bytearray(record.bytes)
    for pointer in record.pointers:
        struct.pack_into("<I", content, pointer.offset, pointer.encode(new_address))
    return content


def described(data, start, base_address, read_slot):
    """What the registered records say: the sorted canonical FDEs of live functions, each
    with its CIE's canonical content."""
    cies, fdes, _ = parse_records(data, start, base_address, read_slot)
    return sorted((canonical(fde), canonical(cies[fde.cie_offset])) for fde in fdes if fde.live)


class PeFile:
    def __init__(self, image):
        self.image = bytearray(image)
        if image[:2] != b"MZ":
            raise Unsupported("not a program")
        self.pe = read_u32(image, 0x3C)
        if image[self.pe:self.pe + 4] != b"PE\0\0":
            raise Unsupported("not a PE file")
        coff = self.pe + 4
        self.sections_count, = struct.unpack_from("<H", image, coff + 2)
        symbols = read_u32(image, coff + 8)
        optional_size, = struct.unpack_from("<H", image, coff + 16)
        self.optional = coff + 20
        if struct.unpack_from("<H", image, self.optional)[0] != 0x10B:
            raise Unsupported("not a 32-bit program")
        if symbols:
            raise Unsupported("the program has a symbol table")
        self.image_base = read_u32(image, self.optional + 28)
        self.file_alignment = read_u32(image, self.optional + 36)
        directories = read_u32(image, self.optional + 92)
        for index in (4, 6):  # certificate table (file offset), debug directory
            if index < directories and read_u32(image, self.optional + 96 + 8 * index + 4):
                raise Unsupported("the program has a certificate table or debug directory")
        self.base_relocations = (read_u32(image, self.optional + 96 + 40), read_u32(image, self.optional + 96 + 44)) \
            if directories > 5 else (0, 0)
        self.table = self.optional + optional_size
        self.sections = []
        for i in range(self.sections_count):
            at = self.table + 40 * i
            name = bytes(image[at:at + 8]).rstrip(b"\0")
            virtual_size, rva, raw_size, raw_at = struct.unpack_from("<IIII", image, at + 8)
            self.sections.append({"header": at, "name": name, "vsize": virtual_size, "rva": rva,
                                  "raw_size": raw_size, "raw_at": raw_at})

    def section(self, name):
        found = [s for s in self.sections if s["name"] == name]
        if len(found) != 1:
            raise Unsupported("no single section " + name.decode())
        return found[0]

    def data_at_rva(self, rva, size):
        for s in self.sections:
            if s["rva"] <= rva and rva + size <= s["rva"] + min(s["vsize"], s["raw_size"]):
                at = s["raw_at"] + rva - s["rva"]
                return bytes(self.image[at:at + size])
        raise Unsupported("RVA outside the file's data")

    def relocations_into(self, section):
        rva, size = self.base_relocations
        if not size:
            return False
        table = self.data_at_rva(rva, size)
        pos = 0
        while pos + 8 <= len(table):
            page, block = struct.unpack_from("<II", table, pos)
            if block < 8 or pos + block > len(table):
                raise Unsupported("base relocation table")
            for (entry,) in struct.iter_unpack("<H", table[pos + 8:pos + block]):
                target = page + (entry & 0xFFF)
                if entry >> 12 and section["rva"] <= target < section["rva"] + section["vsize"]:
                    return True
            pos += block
        return False

    def replace_raw_data(self, section, data):
        """Puts data (not longer than the old raw data) as the section's raw data and
        removes the file space it no longer needs; the virtual layout stays."""
        align = self.file_alignment
        new_raw = (len(data) + align - 1) // align * align
        if new_raw > section["raw_size"] or len(data) > section["vsize"]:
            raise Unsupported("the new data is larger")
        cut = section["raw_size"] - new_raw
        at = section["raw_at"]
        padded = data + b"\0" * (new_raw - len(data))
        self.image[at:at + section["raw_size"]] = padded
        struct.pack_into("<I", self.image, section["header"] + 16, new_raw)
        for other in self.sections:
            if other is not section and other["raw_at"] > at:
                struct.pack_into("<I", self.image, other["header"] + 20, other["raw_at"] - cut)
        initialized = read_u32(self.image, self.optional + 8)
        struct.pack_into("<I", self.image, self.optional + 8, max(0, initialized - cut))
        if read_u32(self.image, self.optional + 64):
            struct.pack_into("<I", self.image, self.optional + 64, 0)
            struct.pack_into("<I", self.image, self.optional + 64, pe_checksum(self.image, self.optional + 64))
        return cut


def pe_checksum(image, checksum_at):
    total = 0
    padded = bytes(image) + (b"\0" if len(image) % 2 else b"")
    for (word,) in struct.iter_unpack("<H", padded):
        total += word
        total = (total & 0xFFFF) + (total >> 16)
    total = (total & 0xFFFF) + (total >> 16)
    return (total + len(image)) & 0xFFFFFFFF


def registered_start(map_text, eh_rva, image_base):
    """Offset in .eh_frame of crtbegin.o's contribution (where the runtime registers
    the unwind tables), read from the link map."""
    match = re.search(r"^ \.eh_frame\s+0x([0-9a-f]+)\s+0x[0-9a-f]+ \S*crtbegin\.o$", map_text, re.M)
    if not match:
        raise Unsupported("crtbegin.o's unwind tables are not in the link map")
    offset = int(match.group(1), 16) - image_base - eh_rva
    if offset < 0:
        raise Unsupported("crtbegin.o's unwind tables are outside the section")
    return offset


def compact_program(program, map_file):
    """Rewrites program in place; returns the bytes saved."""
    with open(program, "rb") as f:
        pe = PeFile(f.read())
    with open(map_file) as f:
        map_text = f.read()
    section = pe.section(b".eh_fram")
    if pe.relocations_into(section):
        raise Unsupported("base relocations point into the unwind tables")
    size = min(section["vsize"], section["raw_size"])
    data = bytes(pe.image[section["raw_at"]:section["raw_at"] + size])
    base = pe.image_base + section["rva"]
    start = registered_start(map_text, section["rva"], pe.image_base)
    def read_slot(address):
        return read_u32(pe.data_at_rva(address - pe.image_base, 4), 0)

    new, _ = compact(data, start, base, read_slot)
    if described(new, start, base, read_slot) != described(data, start, base, read_slot):
        raise Unsupported("the packed tables would describe other functions")
    saved = pe.replace_raw_data(section, new)
    with open(program, "wb") as f:
        f.write(pe.image)
    return saved


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    try:
        saved = compact_program(sys.argv[1], sys.argv[2])
    except (Unsupported, OSError, ValueError, IndexError, KeyError, struct.error) as e:
        print("compact_eh_frame: %s left as linked (%s)" % (sys.argv[1], e), file=sys.stderr)
        return 0
    print("compact_eh_frame: %s is %d bytes smaller" % (sys.argv[1], saved))
    return 0


if __name__ == "__main__":
    sys.exit(main())
