// libFuzzer target for skin files and packages: the input is taken both as package
// bytes and as a skin file; every entry is looked up by name and by substring.
// Longer run: BUILD_DIR/native/bin/skin_package_fuzzer -max_total_time=600 -rss_limit_mb=1024 CORPUS_DIR tests/data/skin_seeds/SEEDS
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "skin/data/skin_package.h"
#include "skin/data/skin_reader.h"

namespace {
// GetEntry of every name gives the bytes of the first entry of that name, or nothing.
void Walk(const TSkinReader& reader) {
  TMemoryStream out;
  for (int i = 0; i < reader.EntryCount(); ++i) {
    const std::string& name = reader.EntryNames()[i];
    reader.GetEntry(name, out);
    const uint8_t* bytes;
    size_t size;
    bool present = reader.EntryBytes(reader.IndexOf(name), bytes, size);
    if (static_cast<size_t>(out.Size()) != (present ? size : 0)) std::abort();
    if (present && size > 0 && std::memcmp(out.Bytes().data(), bytes, size) != 0) std::abort();
  }
  std::string found;
  reader.FindEntry(".ini", out, found);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // As package bytes: wrap them in a stored skin file by encoding them.
  std::vector<uint8_t> package(data, data + size);
  TSkinPackage parsed;
  std::string message;
  ParseSkinPackage(package, parsed, message);

  if (size < 4096) {
    std::vector<uint8_t> file = BuildSkinFile(package);
    TSkinReader reader;
    reader.LoadPackage(file.data(), file.size());
    Walk(reader);
  }
  // As a skin file: the length field and the stream come from the input.
  TSkinReader reader;
  reader.LoadPackage(data, size);
  Walk(reader);
  return 0;
}
