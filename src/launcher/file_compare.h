// Comparisons of files with archive entries (Windows and native): by size and CRC-32,
// or byte for byte against the entry's decoded content.
#pragma once
#include <cstdint>
#include <string>

class TZLBArc2;

// The CRC-32 of a whole file; false when it cannot be read.
bool FileCRC(const std::string& path, uint32_t& crc);
// True when the file exists with exactly this size and CRC-32.
bool FileHasContent(const std::string& path, int64_t size, uint32_t crc);
// True when the file holds exactly the content of the archive's entry index (decoded
// and compared byte for byte). Throws what decoding the entry throws.
bool FileEqualsEntry(TZLBArc2& archive, int index, const std::string& path);
