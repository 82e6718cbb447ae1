// Bounded zlib decoding into block output (block_writer.h). Output is inflated straight
// into blocks of up to 1 MiB that are written whole, so file destinations see few large
// writes; progress is still reported for every 4 KiB of output.
#include "archive/inflate_stream.h"

#include <algorithm>

#include "archive/archive_types.h"
#include "archive/block_writer.h"
#include "framework/stream.h"

namespace zlbinflate {
namespace {
constexpr size_t kInputBuffer = 64 * 1024;
}  // namespace

Inflater::Inflater(TStream& source, int64_t inputLimit, std::string failureMessage)
    : source_(source), inputLeft_(inputLimit), failure_(std::move(failureMessage)) {
  if (inputLeft_ < 0 || inflateInit(&z_) != Z_OK) Fail();
  input_.resize(static_cast<size_t>(std::min<int64_t>(inputLeft_, kInputBuffer)));
}

Inflater::~Inflater() { inflateEnd(&z_); }

void Inflater::Fail() const { throw EZLBError(failure_); }

size_t Inflater::Inflate(uint8_t* out, size_t max) {
  if (ended_ || max == 0) return 0;
  for (;;) {
    if (z_.avail_in == 0 && inputLeft_ > 0) {
      size_t want = static_cast<size_t>(std::min<int64_t>(inputLeft_, static_cast<int64_t>(input_.size())));
      size_t got = source_.Read(input_.data(), want);
      if (got == 0) Fail();  // the file ends inside the stored bytes
      inputLeft_ -= static_cast<int64_t>(got);
      z_.next_in = input_.data();
      z_.avail_in = static_cast<uInt>(got);
    }
    z_.next_out = out;
    z_.avail_out = static_cast<uInt>(max);
    int result = inflate(&z_, Z_NO_FLUSH);
    size_t produced = max - z_.avail_out;
    if (result == Z_STREAM_END) {
      ended_ = true;
      return produced;
    }
    if (result == Z_OK || (result == Z_BUF_ERROR && z_.avail_in == 0 && inputLeft_ > 0)) {
      if (produced > 0) return produced;
      if (z_.avail_in == 0 && inputLeft_ == 0) Fail();  // needs input the entry does not have
      continue;
    }
    Fail();
  }
}

uint32_t CopyContent(TStream& source, int64_t size, TStream& dest, const std::string& failureMessage,
                     bool withCrc, std::vector<uint8_t>& buffer, WriteBehind* behind) {
  if (size <= 0) return 0;
  BlockWriter writer(dest, size, withCrc, buffer, behind);
  int64_t left = size;
  while (left > 0) {
    size_t want = static_cast<size_t>(std::min<int64_t>(left, static_cast<int64_t>(writer.Room())));
    size_t got = source.Read(writer.Tail(), want);
    if (got == 0) throw EZLBError(failureMessage);
    writer.Commit(got);
    left -= static_cast<int64_t>(got);
  }
  return writer.Finish();
}

uint32_t InflateContent(TStream& source, int64_t inputLimit, int64_t size, TStream& dest,
                        const std::string& failureMessage, bool withCrc, std::vector<uint8_t>& buffer,
                        const ChunkDone& onChunk, WriteBehind* behind) {
  if (size <= 0) return 0;
  Inflater inflater(source, inputLimit, failureMessage);
  BlockWriter writer(dest, size, withCrc, buffer, behind);
  int64_t produced = 0, reported = 0;
  while (produced < size) {
    // One call fills as much of the output block as the entry still needs: small
    // calls would send the end of every chunk through zlib's slow path and copy each
    // chunk into its window once more. Progress is still reported per 4 KiB chunk.
    size_t want = static_cast<size_t>(std::min<int64_t>(size - produced, static_cast<int64_t>(writer.Room())));
    size_t got = inflater.Inflate(writer.Tail(), want);
    if (got == 0) throw EZLBError(failureMessage);  // the stream ended early
    writer.Commit(got);
    produced += static_cast<int64_t>(got);
    if (!onChunk) continue;
    while (produced - reported >= static_cast<int64_t>(kChunkSize)) onChunk(reported += kChunkSize);
    if (produced == size && reported < size) onChunk(reported = size);
  }
  return writer.Finish();
}
}  // namespace zlbinflate
