// Byte layout of the archive: footer (36 bytes, versions 1 and 2) and entry records
// (550 bytes in version 2, 532 in legacy version 1), little-endian.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "archive/archive_types.h"

namespace zlbformat {
constexpr size_t kFooterSize = 36;
constexpr size_t kRecordSize = 550;
constexpr size_t kLegacyRecordSize = 532;
constexpr size_t kMaxStringLength = 255;

// Decodes a footer of either version; returns false for an unknown version (the
// decoded Version field is still set so the caller can name it).
bool DecodeFooter(const uint8_t* bytes, TZLBFooter& footer);
// True when bytes hold a footer whose fields other than the version are sound for a
// file of fileSize bytes: sizes and count not negative and inside the file, the
// compressed flag 0 or 1, the reserved bytes zero (in the legacy layout when the
// version field says 1, else in the current one). Random bytes almost never are.
bool LooksLikeFooter(const uint8_t* bytes, int64_t fileSize);
void EncodeFooter(const TZLBFooter& footer, uint8_t* bytes);  // always version 2

void DecodeRecord(const uint8_t* bytes, TZLBEntry& entry);        // version 2
void DecodeLegacyRecord(const uint8_t* bytes, TZLBEntry& entry);  // version 1
// Writes a fresh all-zero record; strings longer than 255 bytes are cut.
void EncodeRecord(const TZLBEntry& entry, uint8_t* bytes);
}  // namespace zlbformat
