// TZLBArc2: reads, checks, extracts and writes archives of the appended-payload layout
// (footer at the end of the file, directory before it, entry data before that, any
// prefix in front). Not thread-safe: one thread at a time.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/archive_types.h"

class TStream;
namespace zlbinflate {
class WriteBehind;
}

// Progress percentage: done / total * 100 rounded to the nearest integer, halves to
// even; 0 when total is not positive.
int ZLBPercentage(int64_t done, int64_t total);

class TZLBArc2 {
 public:
  // Out of line: the events and texts make a sizeable constructor.
  TZLBArc2();
  TZLBArc2(const TZLBArc2&) = delete;
  TZLBArc2& operator=(const TZLBArc2&) = delete;
  virtual ~TZLBArc2();

  // Published properties with their defaults.
  int MaxMemoryUsage = 20;  // megabytes compressed in memory while adding
  int CompressionThreads = 0;  // threads compressing files ahead while adding; 0: one per processor
  bool ExtractWriterThread = true;  // extraction writes entries over 1 MiB on a thread of its own
  TFileCompressionLevel CompressionLevel = fcDefault;
  bool ExtractWithPath = false;
  bool VerifyArchiveCRC = true;
  bool VerifyFileCRC = false;
  bool SavePaths = false;
  bool RecursePaths = false;
  std::string BaseDir;
  std::string Password;
  std::string TempDir;  // empty: the system's temporary folder

  // Events.
  TNotifyEvent OnArchiveOpened;
  TReplaceFileEvent OnReplaceFile;
  TFileExtractedEvent OnFileExtracted;
  TFileExtractedEvent OnStreamExtracted;  // declared; never fired
  TErrorLogEvent OnErrorLogged;
  TProgressEvent OnProgress;
  TStreamDecryptEvent OnDecryptStream;
  TStreamEncryptEvent OnEncryptStream;
  TFileAddUpdateEvent OnFileAddUpdate;

  // Read side. Failures throw EZLBError with the component's messages.
  bool OpenArchive(const std::string& fileName);
  void CloseArchive();
  int FileCount() const;
  void GetFileEntry(int index, TZLBEntry& entry) const;
  int FindFile(const std::string& name) const;
  void ExtractAll(const std::string& destFolder);
  void ExtractFile(const std::string& destFolder, const std::string& name);
  bool ExtractEntry(int index, TStream& dest, TStream* source);

  // Write side.
  void CreateArchive(const std::string& fileName);
  void AddFiles(std::vector<std::string>& list, bool encrypt);
  void AddFile(const std::string& fileName, TStream& dest, TZLBEntry& entry, bool encrypt);
  virtual void AddFolder(const std::string& folder, std::vector<std::string>& list);
  void WriteDirectory(TStream& dest);
  virtual std::string GetTempFile();

  // State.
  const std::string& FileName() const { return fileName_; }
  bool IsOpen() const { return !fileName_.empty(); }
  int64_t ArchiveStart() const { return archiveStart_; }
  // File offset just past the footer: the file's size, or where a certificate table
  // appended after packing (a signed launcher) begins.
  int64_t ArchiveEnd() const { return archiveEnd_; }
  // Bytes of that certificate table behind the archive; 0 when the file is not signed.
  int64_t SignatureSize() const { return signatureSize_; }
  const TZLBFooter& Footer() const { return footer_; }
  bool IsLegacy() const { return legacy_; }

 protected:
  enum class Operation { Idle, ReadingDirectory, Extracting, Compressing, WritingDirectory, Moving };
  // Sets the progress state and fires OnProgress (when assigned and not destroying).
  void Progress(Operation op, const std::string& msg, int64_t done, int64_t total);
  // Updates the done count of the current operation and fires OnProgress.
  void ProgressDone(int64_t done);
  // Sets the progress message without firing (used while verifying the archive CRC).
  void SetProgressMessage(const std::string& msg) { progressMsg_ = msg; }
  // Fails with "No archive is currently open" when none is.
  void RequireOpen() const;

  std::string fileName_;
  std::vector<TZLBEntry> entries_;
  TZLBFooter footer_;
  int64_t archiveStart_ = -1;
  int64_t archiveEnd_ = -1;
  int64_t signatureSize_ = 0;
  bool newArchive_ = false;
  bool legacy_ = false;
  bool destroying_ = false;
  Operation operation_ = Operation::Idle;
  std::string progressMsg_;
  int64_t progressDone_ = 0;
  int64_t progressTotal_ = 0;
  std::vector<uint8_t> outputBlock_;  // extraction output block, reused across entries

 private:
  void ReadDirectory(TStream& file);
  void VerifyArchive(TStream& file);
  // ExtractEntry; with behind, content longer than one block is written by its thread
  // while the next block is decoded.
  bool DecodeEntry(int index, TStream& dest, TStream* source, zlbinflate::WriteBehind* behind);
  // Writes entry index into destFolder (an existing target is replaced only once the
  // entry is complete; a failed entry leaves no file); returns whether it was written.
  // With a source (bulk extraction) a decoding failure is logged and gives false;
  // without one it propagates.
  bool ExtractToFolder(int index, const std::string& destFolder, TStream* source, zlbinflate::WriteBehind* behind);
};
