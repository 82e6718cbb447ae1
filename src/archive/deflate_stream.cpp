// zlib compression into streams, with CRC-32 of the input computed on the way.
#include "archive/deflate_stream.h"

#include <zlib.h>

#include <algorithm>
#include <vector>

#include "framework/stream.h"

namespace zlbdeflate {
namespace {
constexpr size_t kInputChunk = 256 * 1024;

// Owns one deflate state; ends it on every path.
class Deflater {
 public:
  explicit Deflater(int level) {
    if (deflateInit(&z_, level) != Z_OK) throw EZLBError("Unable to start compression");
  }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;
  ~Deflater() { deflateEnd(&z_); }

  // Feeds size bytes (flush: Z_NO_FLUSH, or Z_FINISH with the last input) and writes
  // every full or final output buffer to dest.
  void Feed(const uint8_t* data, size_t size, int flush, TStream& dest, int64_t& consumed,
            const BufferWritten& onBuffer) {
    z_.next_in = const_cast<Bytef*>(data);
    z_.avail_in = static_cast<uInt>(size);
    for (;;) {
      z_.next_out = out_.data() + used_;
      z_.avail_out = static_cast<uInt>(out_.size() - used_);
      uInt before = z_.avail_in;
      int rc = deflate(&z_, flush);
      if (rc == Z_STREAM_ERROR) throw EZLBError("Compression failed");
      consumed += before - z_.avail_in;
      used_ = out_.size() - z_.avail_out;
      if (used_ == out_.size()) {
        dest.Write(out_.data(), used_);
        used_ = 0;
        if (onBuffer) onBuffer(consumed);
        continue;
      }
      if (rc == Z_STREAM_END) {
        dest.Write(out_.data(), used_);
        used_ = 0;
        return;
      }
      if (z_.avail_in == 0 && flush == Z_NO_FLUSH) return;
    }
  }

 private:
  z_stream z_{};
  std::vector<uint8_t> out_ = std::vector<uint8_t>(kOutputBufferSize);
  size_t used_ = 0;
};
}  // namespace

int LevelOf(TFileCompressionLevel level) {
  switch (level) {
    case fcNone:
      return Z_NO_COMPRESSION;
    case fcFastest:
      return Z_BEST_SPEED;
    case fcMaximum:
      return Z_BEST_COMPRESSION;
    default:
      return Z_DEFAULT_COMPRESSION;
  }
}

uint32_t DeflateStream(TStream& source, int64_t count, TStream& dest, int zlibLevel,
                       const BufferWritten& onBuffer) {
  Deflater deflater(zlibLevel);
  std::vector<uint8_t> in(static_cast<size_t>(std::min<int64_t>(std::max<int64_t>(count, 1), kInputChunk)));
  uLong crc = crc32(0L, Z_NULL, 0);
  int64_t left = count, consumed = 0;
  do {
    size_t chunk = static_cast<size_t>(std::min<int64_t>(left, static_cast<int64_t>(in.size())));
    source.ReadBuffer(in.data(), chunk);
    crc = crc32(crc, in.data(), static_cast<uInt>(chunk));
    left -= static_cast<int64_t>(chunk);
    deflater.Feed(in.data(), chunk, left == 0 ? Z_FINISH : Z_NO_FLUSH, dest, consumed, onBuffer);
  } while (left > 0);
  return static_cast<uint32_t>(crc);
}

void DeflateBytes(const uint8_t* data, size_t size, TStream& dest, int zlibLevel,
                  const BufferWritten& onBuffer) {
  Deflater deflater(zlibLevel);
  int64_t consumed = 0;
  // Fed in the slices DeflateStream reads, so both give the same progress points.
  do {
    size_t chunk = std::min(size, kInputChunk);
    size -= chunk;
    deflater.Feed(data, chunk, size == 0 ? Z_FINISH : Z_NO_FLUSH, dest, consumed, onBuffer);
    data += chunk;
  } while (size > 0);
}
}  // namespace zlbdeflate
