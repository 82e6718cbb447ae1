// libFuzzer target: OpenArchive, ExtractEntry of every entry and ExtractAll on one
// input file. Input: one option byte (bit 0 VerifyArchiveCRC, bit 1 ExtractWithPath,
// bit 2 VerifyFileCRC), then the file. Traps when an extraction writes outside its
// destination folder or an entry decodes to a size other than its record says.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "archive/zlb_archive.h"
#include "archive_builder.h"
#include "framework/file_system.h"
#include "framework/stream.h"

namespace {
// Scratch layout: ROOT\in.zlb and ROOT\a\b\out; ROOT and ROOT\a\b must hold nothing else.
struct Scratch {
  std::string root = testarc::ScratchFolder("fuzz");
  ~Scratch() { testarc::RemoveTree(root.substr(0, root.size() - 1)); }
};
const std::string& Root() {
  static const Scratch scratch;
  return scratch.root;
}

bool OnlyHolds(const std::string& folder, const std::string& a, const std::string& b) {
  for (const FolderItem& item : fsys::ListFolder(folder))
    if (item.name != a && item.name != b) return false;
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string file = Root() + "in.zlb", out = Root() + "a\\b\\out";
  testarc::WriteFile(file, testarc::Bytes(data + 1, data + size));
  TZLBArc2 arc;
  arc.VerifyArchiveCRC = data[0] & 1;
  arc.ExtractWithPath = data[0] & 2;
  arc.VerifyFileCRC = data[0] & 4;
  arc.Password = "k";
  arc.OnDecryptStream = [](TStream& in, TStream& out, uint32_t size, const std::string&) {
    if (size > 0) out.CopyFrom(in, size);  // CopyFrom(0) would mean "everything"
  };
  try {
    arc.OpenArchive(file);
  } catch (const EZLBError&) {
    return 0;
  }
  for (int i = 0; i < arc.FileCount(); ++i) {
    TZLBEntry e;
    arc.GetFileEntry(i, e);
    TMemoryStream sink;
    try {
      arc.ExtractEntry(i, sink, nullptr);
      if (sink.Size() != e.UncompressedSize) __builtin_trap();
    } catch (const std::exception&) {
    }
  }
  try {
    arc.ExtractAll(out);
  } catch (const std::exception&) {
  }
  if (!OnlyHolds(Root(), "in.zlb", "a") || !OnlyHolds(Root() + "a", "b", "") ||
      !OnlyHolds(Root() + "a\\b", "out", ""))
    __builtin_trap();
  testarc::RemoveTree(Root() + "a");
  return 0;
}
