// Checking a launcher stub, dropping its signature and giving it a new resource section.
#include "pe/stub_resources.h"

#include <algorithm>
#include <cstring>

#include "pe/le_bytes.h"

namespace pe {
namespace {
uint32_t AlignUp(uint64_t value, uint32_t alignment) {
  return static_cast<uint32_t>((value + alignment - 1) / alignment * alignment);
}
constexpr uint32_t kSectionFlags = 0x40000040;  // initialised data, readable
}  // namespace

void CheckLauncherStub(const Image& image) {
  if (image.pe32plus || image.machine != kMachineI386) throw FormatError("not a 32-bit Windows program");
  if (!image.IsExecutable()) throw FormatError("not a program (a DLL or an object file)");
  if (image.subsystem != kSubsystemGui) throw FormatError("not a Windows GUI program (a console program?)");
}

std::vector<uint8_t> WithoutSignature(const std::vector<uint8_t>& stub) {
  const Image image = ParseImage(MemoryReader(stub), static_cast<int64_t>(stub.size()));
  const DataDirectory security = image.Directory(kSecurityDirectory);
  if (security.address == 0 && security.size == 0) return stub;
  std::vector<uint8_t> out = stub;
  if (uint64_t(security.address) + security.size == out.size() && security.address >= image.EndOfSectionData())
    out.resize(security.address);
  std::memset(&out[static_cast<size_t>(image.DirectoryEntryOffset(kSecurityDirectory))], 0, 8);
  return out;
}

std::vector<uint8_t> WithResources(const std::vector<uint8_t>& stub, const std::vector<Resource>& resources) {
  const Image image = ParseImage(MemoryReader(stub), static_cast<int64_t>(stub.size()));
  if (image.directories.size() <= kResourceDirectory) throw FormatError("no resource directory entry");
  const int64_t headerEnd = image.sectionTableOffset + 40 * int64_t(image.sections.size() + 1);
  int64_t firstData = image.sizeOfHeaders;
  for (const Section& s : image.sections)
    if (s.rawSize) firstData = std::min<int64_t>(firstData, s.rawOffset);
  if (headerEnd > firstData) throw FormatError("no room for another section header");

  uint64_t imageEnd = image.sizeOfHeaders;
  for (const Section& s : image.sections)
    imageEnd = std::max<uint64_t>(imageEnd, uint64_t(s.virtualAddress) + std::max(s.virtualSize, s.rawSize));
  if (imageEnd > 0x7FFFFFFF) throw FormatError("damaged section table (sections beyond 2 GB)");
  const uint32_t rva = AlignUp(imageEnd, image.sectionAlignment);
  const std::vector<uint8_t> data = BuildResourceSection(resources, rva);
  const uint32_t rawOffset = AlignUp(stub.size(), image.fileAlignment);
  const uint32_t rawSize = AlignUp(data.size(), image.fileAlignment);
  if (uint64_t(rva) + data.size() > 0x7FFFFFFF || uint64_t(rawOffset) + rawSize > 0x7FFFFFFF)
    throw FormatError("the image would be too large");

  std::vector<uint8_t> out = stub;
  out.resize(rawOffset, 0);
  out.insert(out.end(), data.begin(), data.end());
  out.resize(size_t(rawOffset) + rawSize, 0);

  uint8_t* header = &out[static_cast<size_t>(headerEnd - 40)];
  std::memset(header, 0, 40);
  std::memcpy(header, ".rsrc", 5);
  le::Put32(header + 8, static_cast<uint32_t>(data.size()));
  le::Put32(header + 12, rva);
  le::Put32(header + 16, rawSize);
  le::Put32(header + 20, rawOffset);
  le::Put32(header + 36, kSectionFlags);

  le::Put16(&out[static_cast<size_t>(image.fileHeaderOffset + 2)], static_cast<uint16_t>(image.sections.size() + 1));
  uint8_t* optional = &out[static_cast<size_t>(image.optionalHeaderOffset)];
  le::Put32(optional + 8, le::U32(optional + 8) + rawSize);  // SizeOfInitializedData
  le::Put32(optional + 56, AlignUp(uint64_t(rva) + data.size(), image.sectionAlignment));  // SizeOfImage
  uint8_t* directory = &out[static_cast<size_t>(image.DirectoryEntryOffset(kResourceDirectory))];
  le::Put32(directory, rva);
  le::Put32(directory + 4, static_cast<uint32_t>(data.size()));
  return out;
}

}  // namespace pe
