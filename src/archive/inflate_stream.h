// Decoding of stored entry bytes: a bounded zlib reader over a stream, and the copy
// and inflate loops that write an entry's content to a destination in large blocks.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <zlib.h>

class TStream;

namespace zlbinflate {
class WriteBehind;

// Progress is reported once per this many bytes of output (and at the end).
constexpr size_t kChunkSize = 4096;

// Reads one zlib stream from source, never more than inputLimit bytes. Every failure
// (bad data, input ending early, a read error) throws EZLBError(failureMessage).
class Inflater {
 public:
  Inflater(TStream& source, int64_t inputLimit, std::string failureMessage);
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;
  ~Inflater();
  // Produces up to max bytes into out; returns the count, 0 once the stream has ended.
  size_t Inflate(uint8_t* out, size_t max);

 private:
  [[noreturn]] void Fail() const;
  TStream& source_;
  int64_t inputLeft_;
  std::string failure_;
  std::vector<uint8_t> input_;
  z_stream z_{};
  bool ended_ = false;
};

// Called after each output chunk with the number of bytes produced so far.
using ChunkDone = std::function<void(int64_t produced)>;

// Copies exactly size bytes from source to dest; returns their CRC-32 when withCrc
// (else 0: the CRC costs about half as much time as inflating). Input ending early
// throws EZLBError(failureMessage); dest failures pass through.
// buffer is the output block, kept by the caller between entries; with behind, content
// longer than one block is written by its thread (block_writer.h).
uint32_t CopyContent(TStream& source, int64_t size, TStream& dest, const std::string& failureMessage,
                     bool withCrc, std::vector<uint8_t>& buffer, WriteBehind* behind = nullptr);
// Inflates the zlib stream at source (at most inputLimit bytes) until size bytes were
// produced, writing them to dest; returns their CRC-32 when withCrc. A stream that is
// damaged or ends before size bytes throws EZLBError(failureMessage); output beyond
// size is never produced.
uint32_t InflateContent(TStream& source, int64_t inputLimit, int64_t size, TStream& dest,
                        const std::string& failureMessage, bool withCrc, std::vector<uint8_t>& buffer,
                        const ChunkDone& onChunk, WriteBehind* behind = nullptr);
}  // namespace zlbinflate
