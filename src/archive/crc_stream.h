// A stream that passes everything to another one and keeps the CRC-32 of the bytes
// appended at or after a given offset, so an archive being written needs no second
// pass for its archive CRC. Any write that is not an append, or a shortening, makes
// the kept CRC invalid (the writer then reads the bytes back).
#pragma once
#include <cstdint>

#include "framework/stream.h"

class TCrcTrackingStream : public TStream {
 public:
  TCrcTrackingStream(TStream& inner, int64_t from);
  size_t Read(void* buffer, size_t count) override { return inner_.Read(buffer, count); }
  void Write(const void* buffer, size_t count) override;
  int64_t Seek(int64_t position) override { return inner_.Seek(position); }
  int64_t Position() const override { return inner_.Position(); }
  int64_t Size() const override { return inner_.Size(); }
  void SetSize(int64_t size) override;

  // True while every byte from the offset on went through Write as an append.
  bool CrcValid() const { return valid_; }
  uint32_t Crc() const { return crc_; }

 private:
  TStream& inner_;
  const int64_t from_;
  int64_t end_;  // size of inner as far as this stream knows
  uint32_t crc_ = 0;
  bool valid_ = true;
};
