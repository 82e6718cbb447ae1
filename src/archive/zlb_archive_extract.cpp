// TZLBArc2 extraction: destination folders, the replace decision, writing entries to
// files (an existing file is replaced only by a complete entry), and decoding one entry
// into a stream.
#include <algorithm>
#include <memory>
#include <vector>

#include <zlib.h>

#include "archive/archive_messages.h"
#include "archive/entry_names.h"
#include "archive/inflate_stream.h"
#include "archive/write_behind.h"
#include "archive/zlb_archive.h"
#include "framework/clock_ticks.h"
#include "framework/file_system.h"
#include "framework/hex_text.h"
#include "framework/stream.h"

namespace {
// The file an entry is written into. A new target is written directly; an existing
// one is replaced through a new, uniquely named sibling that takes its place only
// when complete, so a damaged entry never destroys the file it was to replace. What
// was written is removed unless committed.
class EntryOutput {
 public:
  EntryOutput(const std::string& folder, const std::string& target, bool exists) : target_(target) {
    if (!exists) {
      Create(target);
      return;
    }
    auto seed = static_cast<unsigned>(ClockTicks());
    for (unsigned k = 0; k < 64 && !stream_; ++k) {
      std::string name = folder + "\\ZLB" + UpperHex(seed + k * 7919u) + ".tmp";
      if (!fsys::PathExists(name)) Create(name);
    }
    if (!stream_) throw EStreamError("Cannot create file \"" + target + "\"");
  }
  EntryOutput(const EntryOutput&) = delete;
  EntryOutput& operator=(const EntryOutput&) = delete;
  ~EntryOutput() {
    if (name_.empty()) return;
    stream_.reset();
    fsys::RemoveFile(name_);
  }
  TStream& Stream() { return *stream_; }
  void Commit() {
    stream_.reset();
    if (name_ != target_ && !fsys::MoveReplace(name_, target_))
      throw EStreamError("Cannot create file \"" + target_ + "\"");
    name_.clear();
  }

 private:
  void Create(const std::string& name) {
    stream_ = std::make_unique<TFileStream>(name, FileMode::CreateNew);
    name_ = name;
  }
  std::string target_;
  std::string name_;
  std::unique_ptr<TFileStream> stream_;
};

// Deletes a temporary file when the scope ends.
struct TempFileGuard {
  std::string name;
  ~TempFileGuard() {
    if (!name.empty()) fsys::RemoveFile(name);
  }
};

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r\n"), b = s.find_last_not_of(" \t\r\n");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// The CRC-32 of a whole stream, read from its start; the position ends at its end.
uint32_t StreamCRC(TStream& s) {
  std::vector<uint8_t> buffer(64 * 1024);
  uLong crc = crc32(0, Z_NULL, 0);
  s.Seek(0);
  while (size_t got = s.Read(buffer.data(), buffer.size())) crc = crc32(crc, buffer.data(), static_cast<uInt>(got));
  return static_cast<uint32_t>(crc);
}

// True when [offset, offset + length) lies inside a data region of dataSize bytes.
bool InsideData(int64_t offset, int64_t length, int64_t dataSize) {
  return offset >= 0 && length >= 0 && offset <= dataSize && length <= dataSize - offset;
}
}  // namespace

bool TZLBArc2::ExtractEntry(int index, TStream& dest, TStream* source) {
  return DecodeEntry(index, dest, source, nullptr);
}

bool TZLBArc2::DecodeEntry(int index, TStream& dest, TStream* source, zlbinflate::WriteBehind* behind) {
  TZLBEntry e;
  GetFileEntry(index, e);
  std::unique_ptr<TFileStream> own;
  if (!source) {
    try {
      own = std::make_unique<TFileStream>(fileName_, FileMode::Read);
    } catch (const EStreamError&) {
      zlbmsg::Fail(zlbmsg::UnableToOpen(fileName_));
    }
    source = own.get();
  }
  // Every stored byte must come from the data region; the content size must be sane.
  bool encrypted = e.Method == smCompressedEncrypted || e.Method == smStoredEncrypted;
  int64_t stored = encrypted ? e.EncryptedSize : e.Method == smCompressed ? e.CompressedSize : e.UncompressedSize;
  if (e.Method > smStoredEncrypted || e.UncompressedSize < 0 || !InsideData(e.DataOffset, stored, footer_.DataSize) ||
      (encrypted && stored > 0xFFFFFFFFll))
    zlbmsg::Fail(zlbmsg::kCorrupted);
  try {
    source->Seek(archiveStart_ + e.DataOffset);
  } catch (const EStreamError&) {
    zlbmsg::Fail(zlbmsg::kCorrupted);
  }

  // The CRC is kept while writing when it is wanted and the destination holds only
  // this entry; otherwise the whole destination is read back afterwards.
  bool freshDest = dest.Size() == 0 && dest.Position() == 0;
  bool withCrc = VerifyFileCRC && freshDest;
  auto onChunk = [this](int64_t produced) { ProgressDone(produced); };
  uint32_t crc = 0;
  {
    // An encrypted entry is decrypted into a temporary file first; the content is then
    // read from there.
    TempFileGuard temp;
    std::unique_ptr<TFileStream> plain;
    TStream* content = source;
    int64_t compressedSize = e.CompressedSize;
    if (encrypted) {
      if (Trim(Password).empty()) zlbmsg::Fail(zlbmsg::kNoPassword);
      if (!OnDecryptStream) zlbmsg::Fail(zlbmsg::kNoDecryption);
      temp.name = GetTempFile();
      plain = std::make_unique<TFileStream>(temp.name, FileMode::Create);
      OnDecryptStream(*source, *plain, static_cast<uint32_t>(stored), Password);
      plain->Seek(0);
      content = plain.get();
      compressedSize = plain->Size();
    }
    if (e.Method == smStored || e.Method == smStoredEncrypted) {
      crc = zlbinflate::CopyContent(*content, e.UncompressedSize, dest, zlbmsg::kCorrupted, withCrc, outputBlock_,
                                    behind);
    } else {
      Progress(Operation::Extracting, "Extracting " + e.Name, 0, e.UncompressedSize);
      crc = zlbinflate::InflateContent(*content, compressedSize, e.UncompressedSize, dest, zlbmsg::kCorrupted,
                                       withCrc, outputBlock_, onChunk, behind);
    }
  }
  if (VerifyFileCRC) {
    if (!freshDest) crc = StreamCRC(dest);  // the whole destination, not only this entry
    if (crc != e.ContentCRC) zlbmsg::Fail(zlbmsg::FailedCRC(e.Name));
  }
  return true;
}

namespace {
// Destination folder of an entry: DestFolder (+ stored path), doubled backslashes
// collapsed, one trailing backslash removed, created with its parents. A stored path
// is joined with a separator: "C:\out" + "docs\" is "C:\out\docs", never the sibling
// "C:\outdocs".
std::string EntryFolder(const std::string& destFolder, const TZLBEntry& e, bool withPath) {
  std::string text = destFolder;
  if (withPath && !e.StoredPath.empty()) {
    char last = text.empty() ? '\\' : text.back();
    if (last != '\\' && last != '/' && last != ':') text += '\\';
    text += e.StoredPath;
  }
  std::string folder = CollapseBackslashes(text);
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  fsys::CreateFolders(folder);
  if (!fsys::FolderExists(folder)) zlbmsg::Fail(zlbmsg::ExtractFolderError(folder));
  return folder;
}
}  // namespace

bool TZLBArc2::ExtractToFolder(int index, const std::string& destFolder, TStream* source,
                               zlbinflate::WriteBehind* behind) {
  const TZLBEntry& e = entries_[static_cast<size_t>(index)];
  std::string folder = EntryFolder(destFolder, e, ExtractWithPath);
  std::string target = folder + "\\" + e.Name;
  bool exists = fsys::FileExists(target), replace = true;
  if (exists && OnReplaceFile) {
    replace = false;
    OnReplaceFile(target, replace);
  }
  if (!replace) return false;
  std::string name = e.Name;  // e may not outlive a handler that reopens the archive
  EntryOutput output(folder, target, exists);
  if (source) {
    // Bulk run: a decoding failure is logged and skips the entry; file failures end the run.
    try {
      DecodeEntry(index, output.Stream(), source, behind);
    } catch (const std::exception& ex) {
      if (OnErrorLogged) OnErrorLogged(ex.what());
      return false;
    }
  } else {
    DecodeEntry(index, output.Stream(), nullptr, behind);
  }
  output.Commit();
  if (OnFileExtracted) OnFileExtracted(destFolder + name);
  return true;
}

namespace {
bool SafeToExtract(const TZLBEntry& e, const std::string& destFolder, bool withPath) {
  return zlbnames::IsPlainFileName(e.Name) && (!withPath || zlbnames::IsSafeStoredPath(e.StoredPath, destFolder));
}

// Output blocks of the writer thread: large enough for few write calls, small enough
// that the last block of an entry, which nothing overlaps, is written quickly.
constexpr size_t kBehindBlock = 1024 * 1024;
constexpr size_t kBehindBlocks = 3;

// A writer thread when the largest content is longer than one block (nothing overlaps
// otherwise); none when it cannot be started: everything is then written on this thread.
std::unique_ptr<zlbinflate::WriteBehind> WriterFor(bool wanted, int64_t largest) {
  if (!wanted || largest <= static_cast<int64_t>(kBehindBlock)) return nullptr;
  try {
    auto behind = std::make_unique<zlbinflate::WriteBehind>(kBehindBlock, kBehindBlocks);
    if (behind->HasThread()) return behind;
  } catch (const std::exception&) {  // no memory for the blocks
  }
  return nullptr;
}
}  // namespace

void TZLBArc2::ExtractAll(const std::string& destFolder) {
  RequireOpen();
  std::unique_ptr<TFileStream> in;
  try {
    in = std::make_unique<TFileStream>(fileName_, FileMode::Read);
  } catch (const EStreamError&) {
    zlbmsg::Fail(zlbmsg::UnableToOpen(fileName_));
  }
  int64_t largest = 0;
  for (const TZLBEntry& e : entries_) largest = std::max(largest, e.UncompressedSize);
  std::unique_ptr<zlbinflate::WriteBehind> behind = WriterFor(ExtractWriterThread, largest);
  for (size_t i = 0; i < entries_.size(); ++i) {
    const TZLBEntry& e = entries_[i];
    if (!SafeToExtract(e, destFolder, ExtractWithPath)) {
      if (OnErrorLogged) OnErrorLogged(zlbmsg::UnsafeEntry(e.StoredPath + e.Name));
      continue;
    }
    ExtractToFolder(static_cast<int>(i), destFolder, in.get(), behind.get());
  }
  behind.reset();
  in.reset();
  Progress(Operation::Idle, fileName_, 0, 0);
}

void TZLBArc2::ExtractFile(const std::string& destFolder, const std::string& name) {
  RequireOpen();
  int index = -1;
  for (size_t i = 0; i < entries_.size() && index < 0; ++i)
    if (SameTextAscii(entries_[i].StoredPath + entries_[i].Name, name)) index = static_cast<int>(i);
  if (index < 0) zlbmsg::Fail(zlbmsg::NotFound(name));
  const TZLBEntry& e = entries_[static_cast<size_t>(index)];
  if (!SafeToExtract(e, destFolder, ExtractWithPath)) zlbmsg::Fail(zlbmsg::UnsafeEntry(e.StoredPath + e.Name));
  std::unique_ptr<zlbinflate::WriteBehind> behind = WriterFor(ExtractWriterThread, e.UncompressedSize);
  ExtractToFolder(index, destFolder, nullptr, behind.get());
  Progress(Operation::Idle, fileName_, 0, 0);
}
