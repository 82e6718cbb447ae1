// Stream implementations over the file-system seam and over memory.
#include "framework/stream.h"

#include <algorithm>
#include <cstring>

void TStream::ReadBuffer(void* buffer, size_t count) {
  size_t done = 0;
  auto* out = static_cast<uint8_t*>(buffer);
  while (done < count) {
    size_t got = Read(out + done, count - done);
    if (got == 0) throw EStreamError("Stream read error");
    done += got;
  }
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.Seek(0);
    count = source.Size();
  }
  std::vector<uint8_t> buffer(static_cast<size_t>(std::min<int64_t>(count, 1 << 16)));
  int64_t left = count;
  while (left > 0) {
    size_t chunk = static_cast<size_t>(std::min<int64_t>(left, static_cast<int64_t>(buffer.size())));
    source.ReadBuffer(buffer.data(), chunk);
    Write(buffer.data(), chunk);
    left -= static_cast<int64_t>(chunk);
  }
  return count;
}

TFileStream::TFileStream(const std::string& path, FileMode mode)
    : path_(path), file_(FileHandle::Open(path, mode)) {
  if (!file_.IsOpen()) {
    throw EStreamError(mode == FileMode::Create || mode == FileMode::CreateNew ? "Cannot create file \"" + path + "\""
                                                : "Cannot open file \"" + path + "\"");
  }
}

size_t TFileStream::Read(void* buffer, size_t count) { return file_.Read(buffer, count); }

void TFileStream::Write(const void* buffer, size_t count) {
  if (!file_.Write(buffer, count)) throw EStreamError("Stream write error");
}

int64_t TFileStream::Seek(int64_t position) {
  if (!file_.Seek(position)) throw EStreamError("Stream seek error");
  return position;
}

int64_t TFileStream::Position() const { return file_.Position(); }
int64_t TFileStream::Size() const { return file_.Size(); }

void TFileStream::SetSize(int64_t size) {
  if (!file_.Truncate(size)) throw EStreamError("Stream write error");
}

size_t TMemoryStream::Read(void* buffer, size_t count) {
  int64_t left = Size() - position_;
  if (left <= 0) return 0;
  size_t n = static_cast<size_t>(std::min<int64_t>(left, static_cast<int64_t>(count)));
  std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += static_cast<int64_t>(n);
  return n;
}

void TMemoryStream::Write(const void* buffer, size_t count) {
  if (count == 0) return;
  size_t end = static_cast<size_t>(position_) + count;
  if (end > bytes_.size()) bytes_.resize(end);
  std::memcpy(bytes_.data() + position_, buffer, count);
  position_ = static_cast<int64_t>(end);
}

int64_t TMemoryStream::Seek(int64_t position) {
  if (position < 0) throw EStreamError("Stream seek error");
  position_ = position;
  return position_;
}

void TMemoryStream::SetSize(int64_t size) {
  if (size < 0) throw EStreamError("Stream write error");
  bytes_.resize(static_cast<size_t>(size));
  position_ = std::min(position_, size);
}
