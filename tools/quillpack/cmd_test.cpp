// quillpack test: checks the archive CRC and every entry's content CRC.
#include <algorithm>
#include <string>

#include "archive/zlb_archive.h"
#include "archive_text.h"
#include "args.h"
#include "command.h"
#include "console.h"
#include "framework/stream.h"
#include "progress.h"

namespace {
// A stream that keeps nothing: decoded content is only checked.
class TNullStream : public TStream {
 public:
  size_t Read(void*, size_t) override { return 0; }
  void Write(const void*, size_t count) override { size_ += static_cast<int64_t>(count); }
  int64_t Seek(int64_t position) override { return position; }
  int64_t Position() const override { return size_; }
  int64_t Size() const override { return size_; }
  void SetSize(int64_t size) override { size_ = size; }

 private:
  int64_t size_ = 0;
};

int RunTest(const std::vector<std::string>& args) {
  ParsedArgs a = ParseArgs("test", args, {}, 1, 1);
  TZLBArc2 arc;
  arc.VerifyArchiveCRC = true;
  arc.VerifyFileCRC = true;
  TerminalProgress progress(arc);
  arc.OpenArchive(a.positional[0]);
  TFileStream source(arc.FileName(), FileMode::Read);
  int failures = 0, unchecked = 0;
  for (int i = 0; i < arc.FileCount(); ++i) {
    TZLBEntry e;
    arc.GetFileEntry(i, e);
    if (archive_text::IsEncrypted(e)) {
      console::Out("not checked (encrypted): " + archive_text::FullName(e) + "\n");
      ++unchecked;
      continue;
    }
    try {
      TNullStream sink;
      arc.ExtractEntry(i, sink, &source);
    } catch (const std::exception& ex) {
      console::Err(archive_text::FullName(e) + ": " + ex.what() + "\n");
      ++failures;
    }
  }
  int count = arc.FileCount();
  std::string summary = "Archive CRC sound; " + std::to_string(count - failures - unchecked) + " of " +
                        std::to_string(count) + (count == 1 ? " entry" : " entries") + " sound";
  if (failures) summary += ", " + std::to_string(failures) + " damaged";
  if (unchecked) summary += ", " + std::to_string(unchecked) + " encrypted (not checked)";
  console::Out(summary + "\n");
  return failures ? 1 : 0;
}
}  // namespace

extern const Command kCommandTest = {
    "test", "check an archive and the content of every entry",
    "Usage: quillpack test ARCHIVE\n"
    "Checks the archive CRC-32 (data and directory), then decodes every entry and\n"
    "compares its content with the entry's CRC-32. Nothing is written to disk.\n"
    "Encrypted entries cannot be decoded here: they are named as not checked and do\n"
    "not change the exit status.\n\n"
    "Exit status 0 when the archive and every decodable entry are sound; 1 otherwise\n"
    "(each damaged entry is named on stderr with the reason).\n",
    RunTest};
