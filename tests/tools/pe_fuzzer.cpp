// libFuzzer target: quillpack's readers of other programs' resources and of .ico files.
// The input is taken as a PE image (headers, resource directory, icon groups, version
// information) and as an .ico file; what reads is written into a new stub and read back.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pe/icon_version.h"
#include "pe/stub_resources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  try {
    const std::vector<pe::Resource> icon = pe::IconsFromIcoFile(bytes);
    (void)icon;
  } catch (const pe::FormatError&) {
  }
  try {
    const pe::Image image = pe::ParseImage(pe::MemoryReader(bytes), static_cast<int64_t>(size));
    const std::vector<pe::Resource> resources = pe::ReadResources(pe::MemoryReader(bytes), image);
    std::vector<pe::Resource> identity = pe::FirstIconGroup(resources);
    for (const pe::Resource& r : pe::FirstVersion(resources)) {
      pe::VersionInfo info;
      pe::ParseVersionInfo(r.data, info);
      identity.push_back(r);
    }
    const std::vector<uint8_t> stamped = pe::WithResources(pe::WithoutSignature(bytes), identity);
    const std::vector<pe::Resource> back = pe::ReadResources(
        pe::MemoryReader(stamped), pe::ParseImage(pe::MemoryReader(stamped), static_cast<int64_t>(stamped.size())));
    if (back.size() != identity.size()) __builtin_trap();
  } catch (const pe::FormatError&) {
  }
  return 0;
}
