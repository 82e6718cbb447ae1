// CRC-32 kept while appending.
#include "archive/crc_stream.h"

#include <zlib.h>

TCrcTrackingStream::TCrcTrackingStream(TStream& inner, int64_t from)
    : inner_(inner), from_(from), end_(inner.Size()) {
  valid_ = end_ <= from_;
}

void TCrcTrackingStream::Write(const void* buffer, size_t count) {
  const int64_t at = inner_.Position();
  inner_.Write(buffer, count);
  if (!valid_) return;
  if (at != end_) {
    valid_ = false;
    return;
  }
  end_ = at + static_cast<int64_t>(count);
  // (crc32 with no buffer answers its initial value, so empty writes are skipped.)
  if (end_ <= from_ || count == 0) return;
  const int64_t skip = at < from_ ? from_ - at : 0;
  crc_ = static_cast<uint32_t>(crc32(crc_, static_cast<const Bytef*>(buffer) + skip,
                                     static_cast<uInt>(static_cast<int64_t>(count) - skip)));
}

void TCrcTrackingStream::SetSize(int64_t size) {
  inner_.SetSize(size);
  if (size != end_) valid_ = false;  // cut bytes, or zero bytes that were never written
}
