// zlib compression of stream or memory content into a stream: one zlib stream
// (header, deflate data, Adler-32), written in 64 KiB output buffers.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

#include "archive/archive_types.h"

class TStream;

namespace zlbdeflate {
constexpr size_t kOutputBufferSize = 64 * 1024;  // progress is reported per full buffer

// Called after each full output buffer with the number of input bytes consumed so far.
using BufferWritten = std::function<void(int64_t consumed)>;

// zlib level for a level ordinal: 0, 1, the default (-1) or 9.
int LevelOf(TFileCompressionLevel level);

// Compresses exactly count bytes read from source's current position into dest and
// returns the CRC-32 of those bytes. Throws EStreamError when source ends early and
// EZLBError when zlib fails.
uint32_t DeflateStream(TStream& source, int64_t count, TStream& dest, int zlibLevel,
                       const BufferWritten& onBuffer);

// Compresses size bytes of memory into dest (throws EZLBError when zlib fails).
void DeflateBytes(const uint8_t* data, size_t size, TStream& dest, int zlibLevel,
                  const BufferWritten& onBuffer);
}  // namespace zlbdeflate
