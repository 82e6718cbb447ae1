// TZLBArc2 read side: opening (footer, geometry checks, archive CRC, directory),
// closing, entry lookup and progress.
#include "archive/zlb_archive.h"

#include <zlib.h>

#include <algorithm>
#include <vector>

#include "archive/archive_format.h"
#include "archive/archive_messages.h"
#include "archive/entry_names.h"
#include "archive/inflate_stream.h"
#include "archive/pe_certificate.h"
#include "framework/file_system.h"
#include "framework/path_text.h"
#include "framework/stream.h"

namespace {
constexpr size_t kCrcChunk = 10240;
// deflate cannot shrink data by more than about 1032:1; a directory that claims more
// records than its stored bytes can hold is refused before anything is inflated.
constexpr int64_t kMaxInflateRatio = 1032;

// Reads records from a byte sequence as they arrive and appends them decoded.
class RecordCollector {
 public:
  RecordCollector(std::vector<TZLBEntry>& entries, bool legacy)
      : entries_(entries), legacy_(legacy),
        size_(legacy ? zlbformat::kLegacyRecordSize : zlbformat::kRecordSize) {}
  void Add(const uint8_t* data, size_t count) {
    pending_.insert(pending_.end(), data, data + count);
    size_t used = 0;
    for (; pending_.size() - used >= size_; used += size_) {
      TZLBEntry e;
      if (legacy_)
        zlbformat::DecodeLegacyRecord(pending_.data() + used, e);
      else
        zlbformat::DecodeRecord(pending_.data() + used, e);
      entries_.push_back(std::move(e));
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(used));
  }

 private:
  std::vector<TZLBEntry>& entries_;
  bool legacy_;
  size_t size_;
  std::vector<uint8_t> pending_;
};
// Where the archive ends in a file whose certificate table starts at tableOffset: the
// signing tool pads the file with up to 7 zero bytes so that the table starts at a
// multiple of 8. The first end (fewest padding bytes) with a sound footer is taken;
// without one, the table's offset (the caller then reports what it finds there).
int64_t SignedArchiveEnd(TStream& file, int64_t tableOffset) {
  constexpr int64_t kFooter = static_cast<int64_t>(zlbformat::kFooterSize);
  if (tableOffset < kFooter + 7) return tableOffset;
  uint8_t tail[kFooter + 7];
  file.Seek(tableOffset - static_cast<int64_t>(sizeof tail));
  file.ReadBuffer(tail, sizeof tail);
  for (int pad = 0; pad <= 7; ++pad) {
    if (pad > 0 && tail[sizeof tail - static_cast<size_t>(pad)] != 0) break;
    const uint8_t* footer = tail + sizeof tail - static_cast<size_t>(pad) - zlbformat::kFooterSize;
    TZLBFooter decoded;
    if (zlbformat::DecodeFooter(footer, decoded) && zlbformat::LooksLikeFooter(footer, tableOffset - pad))
      return tableOffset - pad;
  }
  return tableOffset;
}
}  // namespace

int ZLBPercentage(int64_t done, int64_t total) {
  if (total <= 0) return 0;
  done = std::clamp<int64_t>(done, 0, total);
  while (total > INT64_MAX / 100) {  // keep done * 100 in range
    total >>= 7;
    done >>= 7;
  }
  if (total == 0) return 0;
  int64_t q = done * 100 / total, r = done * 100 % total;
  if (2 * r > total || (2 * r == total && (q & 1))) ++q;
  return static_cast<int>(q);
}

TZLBArc2::TZLBArc2() = default;

TZLBArc2::~TZLBArc2() {
  destroying_ = true;
  CloseArchive();
}

void TZLBArc2::Progress(Operation op, const std::string& msg, int64_t done, int64_t total) {
  operation_ = op;
  progressMsg_ = msg;
  progressTotal_ = total;
  ProgressDone(done);
}

void TZLBArc2::ProgressDone(int64_t done) {
  progressDone_ = done;
  if (!OnProgress || destroying_) return;
  OnProgress(progressMsg_, ZLBPercentage(progressDone_, progressTotal_));
}

void TZLBArc2::RequireOpen() const {
  if (!IsOpen()) zlbmsg::Fail(zlbmsg::kNotOpen);
}

bool TZLBArc2::OpenArchive(const std::string& fileName) {
  CloseArchive();
  fileName_ = fileName;
  if (fileName.empty()) return false;
  try {
    if (!fsys::FileExists(fileName)) {
      if (fsys::FolderExists(fileName)) zlbmsg::Fail(zlbmsg::IsFolder(fileName));
      zlbmsg::Fail(zlbmsg::kArchiveNotFound);
    }
    std::unique_ptr<TFileStream> file;
    try {
      file = std::make_unique<TFileStream>(fileName, FileMode::Read);
    } catch (const EStreamError&) {
      zlbmsg::Fail(zlbmsg::UnableToOpen(fileName));
    }
    // A launcher signed after packing carries its certificate table behind the archive;
    // the archive then ends where the table starts.
    const zlbpe::CertificateTable cert = zlbpe::FindCertificateTable(*file);
    const int64_t size = cert.atTail ? SignedArchiveEnd(*file, cert.offset) : file->Size();
    if (size < static_cast<int64_t>(zlbformat::kFooterSize)) zlbmsg::Fail(zlbmsg::NotAnArchive(fileName));
    uint8_t bytes[zlbformat::kFooterSize];
    file->Seek(size - static_cast<int64_t>(zlbformat::kFooterSize));
    file->ReadBuffer(bytes, sizeof bytes);
    TZLBFooter footer;
    if (!zlbformat::DecodeFooter(bytes, footer)) {
      if (cert.present && !cert.atTail) zlbmsg::Fail(zlbmsg::SignatureNotAtEnd(fileName));
      // Only a footer that is sound apart from its version is another version's archive.
      if (!zlbformat::LooksLikeFooter(bytes, size)) zlbmsg::Fail(zlbmsg::NotAnArchive(fileName));
      zlbmsg::Fail(zlbmsg::WrongVersion(static_cast<int32_t>(footer.Version)));
    }
    legacy_ = footer.Version == 1;
    footer_ = footer;

    // The directory and the data region must lie inside the file, behind the prefix.
    // A footer that says otherwise fails where reading would: at the CRC check when it
    // is on, else at the directory.
    int64_t room = size - static_cast<int64_t>(zlbformat::kFooterSize);
    if (footer.DirectorySize < 0 || footer.DataSize < 0 || footer.DirectorySize > room ||
        footer.DataSize > room - footer.DirectorySize)
      zlbmsg::Fail(VerifyArchiveCRC ? zlbmsg::kCorrupted : zlbmsg::kRegistryError);
    archiveStart_ = room - footer.DirectorySize - footer.DataSize;
    // A certificate table in front of the archive signs the executable without it: the
    // archive was appended after signing, and the signature no longer holds.
    if (cert.present && !cert.atTail && cert.offset + cert.size <= archiveStart_)
      zlbmsg::Fail(zlbmsg::SignatureNotAtEnd(fileName));
    archiveEnd_ = size;
    signatureSize_ = file->Size() - size;

    if (VerifyArchiveCRC) VerifyArchive(*file);
    try {
      ReadDirectory(*file);
      if (OnArchiveOpened) OnArchiveOpened(this);
    } catch (...) {
      zlbmsg::Fail(zlbmsg::kRegistryError);
    }
  } catch (...) {
    CloseArchive();
    throw;
  }
  Progress(Operation::Idle, fileName_, 0, 0);
  return true;
}

void TZLBArc2::VerifyArchive(TStream& file) {
  SetProgressMessage("Verifying archive integrity");
  int64_t left = footer_.DataSize + footer_.DirectorySize;
  std::vector<uint8_t> buffer(kCrcChunk);
  uLong crc = crc32(0, Z_NULL, 0);
  file.Seek(archiveStart_);
  while (left > 0) {
    size_t want = static_cast<size_t>(std::min<int64_t>(left, kCrcChunk));
    size_t got = file.Read(buffer.data(), want);
    if (got == 0) zlbmsg::Fail(zlbmsg::kCorrupted);
    crc = crc32(crc, buffer.data(), static_cast<uInt>(got));
    left -= static_cast<int64_t>(got);
  }
  if (static_cast<uint32_t>(crc) != footer_.ArchiveCRC) zlbmsg::Fail(zlbmsg::kCorrupted);
}

void TZLBArc2::ReadDirectory(TStream& file) {
  const int64_t recordSize = legacy_ ? zlbformat::kLegacyRecordSize : zlbformat::kRecordSize;
  const int64_t count = footer_.EntryCount;
  const int64_t dirSize = footer_.DirectorySize;
  if (count < 0) zlbmsg::Fail(zlbmsg::kRegistryError);
  const int64_t total = count * recordSize;
  if (footer_.DirectoryCompressed ? total > dirSize * kMaxInflateRatio + 1024 : total > dirSize)
    zlbmsg::Fail(zlbmsg::kRegistryError);

  file.Seek(archiveStart_ + footer_.DataSize);
  entries_.reserve(static_cast<size_t>(std::min<int64_t>(count, 4096)));
  RecordCollector records(entries_, legacy_);
  uint8_t chunk[zlbinflate::kChunkSize];
  int64_t done = 0;
  if (footer_.DirectoryCompressed) {
    Progress(Operation::ReadingDirectory, "Extracting registry", 0, total);
    zlbinflate::Inflater inflater(file, dirSize, zlbmsg::kRegistryError);
    while (done < total) {
      size_t want = static_cast<size_t>(std::min<int64_t>(total - done, sizeof chunk));
      size_t got = inflater.Inflate(chunk, want);
      if (got == 0) zlbmsg::Fail(zlbmsg::kRegistryError);
      records.Add(chunk, got);
      done += static_cast<int64_t>(got);
      ProgressDone(done);
    }
  } else {
    while (done < total) {
      size_t want = static_cast<size_t>(std::min<int64_t>(total - done, sizeof chunk));
      file.ReadBuffer(chunk, want);
      records.Add(chunk, want);
      done += static_cast<int64_t>(want);
    }
  }
}

void TZLBArc2::CloseArchive() {
  entries_.clear();
  entries_.shrink_to_fit();
  outputBlock_ = std::vector<uint8_t>();
  newArchive_ = false;
  legacy_ = false;
  footer_ = TZLBFooter{};
  fileName_.clear();
  archiveStart_ = -1;
  archiveEnd_ = -1;
  signatureSize_ = 0;
  Progress(Operation::Idle, fileName_, 0, 0);
}

int TZLBArc2::FileCount() const {
  RequireOpen();
  return static_cast<int>(entries_.size());
}

void TZLBArc2::GetFileEntry(int index, TZLBEntry& entry) const {
  if (index < 0 || static_cast<size_t>(index) >= entries_.size()) zlbmsg::Fail(zlbmsg::kIndexOutOfBounds);
  entry = entries_[static_cast<size_t>(index)];
}

int TZLBArc2::FindFile(const std::string& name) const {
  RequireOpen();
  const std::string candidate = zlbnames::LookupText(name, SavePaths);
  for (size_t i = 0; i < entries_.size(); ++i)
    if (SameTextAscii(entries_[i].StoredPath + entries_[i].Name, candidate)) return static_cast<int>(i);
  return -1;
}
