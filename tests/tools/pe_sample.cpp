// Building sample PE images, icons and version resources for the tests.
#include "pe_sample.h"

#include "pe/icon_version.h"
#include "pe/le_bytes.h"

namespace pesample {
namespace {
using pe::le::Append16;
using pe::le::Append32;
using pe::le::Put16;
using pe::le::Put32;

constexpr uint32_t kPe = 0x80, kHeaders = 0x400, kFileAlign = 0x200, kSectionAlign = 0x1000;

void Align(std::vector<uint8_t>& b, size_t to) {
  while (b.size() % to) b.push_back(0);
}

// One version block: header, key, value, children (lengths patched at the end).
size_t OpenBlock(std::vector<uint8_t>& b, const std::string& key, uint16_t valueLength, bool text) {
  Align(b, 4);
  const size_t start = b.size();
  Append16(b, 0);
  Append16(b, valueLength);
  Append16(b, text ? 1 : 0);
  for (char c : key) Append16(b, static_cast<uint8_t>(c));
  Append16(b, 0);
  Align(b, 4);
  return start;
}
void CloseBlock(std::vector<uint8_t>& b, size_t start) { Put16(&b[start], static_cast<uint16_t>(b.size() - start)); }
}  // namespace

std::vector<uint8_t> Image(const Options& o) {
  const bool withResources = !o.resources.empty();
  const uint16_t sections = withResources ? 2 : 1;
  std::vector<uint8_t> b(kHeaders + kFileAlign, 0);  // headers and .text; pointers stay valid until .rsrc
  b[0] = 'M';
  b[1] = 'Z';
  Put32(&b[0x3C], kPe);
  Put32(&b[kPe], 0x00004550);
  Put16(&b[kPe + 4], o.machine);
  Put16(&b[kPe + 6], sections);
  Put16(&b[kPe + 20], 224);
  Put16(&b[kPe + 22], static_cast<uint16_t>(0x0102 | (o.dll ? 0x2000 : 0)));
  uint8_t* opt = &b[kPe + 24];
  Put16(opt, 0x10B);
  Put32(opt + 16, 0x1000);  // entry point
  Put32(opt + 28, 0x400000);
  Put32(opt + 32, kSectionAlign);
  Put32(opt + 36, kFileAlign);
  Put16(opt + 40, 4);  // OS version
  Put16(opt + 48, 4);  // subsystem version
  Put32(opt + 60, kHeaders);
  Put16(opt + 68, o.subsystem);
  Put32(opt + 92, 16);
  // .text: one "ret".
  uint8_t* text = &b[kPe + 24 + 224];
  std::copy_n(".text", 5, text);
  Put32(text + 8, 1);
  Put32(text + 12, 0x1000);
  Put32(text + 16, kFileAlign);
  Put32(text + 20, kHeaders);
  Put32(text + 36, 0x60000020);
  b[kHeaders] = 0xC3;
  if (withResources) {
    const std::vector<uint8_t> rsrc = pe::BuildResourceSection(o.resources, 0x2000);
    uint8_t* h = &b[kPe + 24 + 224 + 40];
    std::copy_n(".rsrc", 5, h);
    Put32(h + 8, static_cast<uint32_t>(rsrc.size()));
    Put32(h + 12, 0x2000);
    Put32(h + 16, static_cast<uint32_t>((rsrc.size() + kFileAlign - 1) / kFileAlign * kFileAlign));
    Put32(h + 20, static_cast<uint32_t>(b.size()));
    Put32(h + 36, 0x40000040);
    Put32(opt + 96 + 8 * 2, 0x2000);
    Put32(opt + 96 + 8 * 2 + 4, static_cast<uint32_t>(rsrc.size()));
    Put32(opt + 56, static_cast<uint32_t>(0x2000 + (rsrc.size() + kSectionAlign - 1) / kSectionAlign * kSectionAlign));
    b.insert(b.end(), rsrc.begin(), rsrc.end());
    Align(b, kFileAlign);
    return b;
  }
  Put32(opt + 56, 0x2000);
  return b;
}

std::vector<uint8_t> Ico(int count, uint32_t colour) {
  constexpr uint32_t kImage = 40 + 16 * 16 * 4 + 16 * 4;
  std::vector<uint8_t> b;
  Append16(b, 0);
  Append16(b, 1);
  Append16(b, static_cast<uint16_t>(count));
  for (int i = 0; i < count; ++i) {
    b.push_back(16);
    b.push_back(16);
    b.push_back(0);
    b.push_back(0);
    Append16(b, 1);
    Append16(b, 32);
    Append32(b, kImage);
    Append32(b, static_cast<uint32_t>(6 + 16 * count + kImage * i));
  }
  for (int i = 0; i < count; ++i) {
    Append32(b, 40);
    Append32(b, 16);
    Append32(b, 32);  // height of colour and mask
    Append16(b, 1);
    Append16(b, 32);
    for (int k = 0; k < 6; ++k) Append32(b, 0);
    for (int p = 0; p < 16 * 16; ++p) Append32(b, colour + static_cast<uint32_t>(i));
    for (int p = 0; p < 16; ++p) Append32(b, 0);  // mask: all opaque
  }
  return b;
}

std::vector<uint8_t> Version(const std::map<std::string, std::string>& texts, uint16_t major, uint16_t minor) {
  std::vector<uint8_t> b;
  const size_t root = OpenBlock(b, "VS_VERSION_INFO", 52, false);
  Append32(b, 0xFEEF04BD);
  Append32(b, 0x00010000);
  for (int i = 0; i < 2; ++i) {
    Append32(b, uint32_t(major) << 16 | minor);
    Append32(b, 0);
  }
  Append32(b, 0x3F);
  Append32(b, 0);
  Append32(b, 0x40004);  // VOS_NT_WINDOWS32
  Append32(b, 1);        // VFT_APP
  for (int i = 0; i < 3; ++i) Append32(b, 0);
  const size_t info = OpenBlock(b, "StringFileInfo", 0, true);
  const size_t table = OpenBlock(b, "040904B0", 0, true);
  for (const auto& t : texts) {
    const size_t s = OpenBlock(b, t.first, static_cast<uint16_t>(t.second.size() + 1), true);
    for (char c : t.second) Append16(b, static_cast<uint8_t>(c));
    Append16(b, 0);
    CloseBlock(b, s);
  }
  CloseBlock(b, table);
  CloseBlock(b, info);
  const size_t var = OpenBlock(b, "VarFileInfo", 0, true);
  const size_t translation = OpenBlock(b, "Translation", 4, false);
  Append16(b, 0x409);
  Append16(b, 1200);
  CloseBlock(b, translation);
  CloseBlock(b, var);
  CloseBlock(b, root);
  return b;
}

std::vector<pe::Resource> ProgramResources(const pe::ResourceId& group, uint32_t colour,
                                           const std::map<std::string, std::string>& texts) {
  std::vector<pe::Resource> out = pe::IconsFromIcoFile(Ico(2, colour));
  out[0].name = group;
  for (size_t i = 1; i < out.size(); ++i) out[i].name = pe::ResourceId::Number(static_cast<uint32_t>(40 + i));
  // The group names its images by their numbers.
  for (size_t i = 1; i < out.size(); ++i) Put16(&out[0].data[6 + 14 * (i - 1) + 12], static_cast<uint16_t>(40 + i));
  pe::Resource version;
  version.type = pe::ResourceId::Number(pe::kTypeVersion);
  version.name = pe::ResourceId::Number(1);
  version.language = 0x409;
  version.data = Version(texts, 2, 5);
  out.push_back(version);
  return out;
}
}  // namespace pesample
