// Icon groups from .ico files and programs, version resources, and the reader of
// VS_VERSIONINFO blocks.
#include "pe/icon_version.h"

#include "pe/le_bytes.h"

namespace pe {
const char* const kMainIconName = "MAINICON";

namespace {
constexpr size_t kIcoEntry = 16, kGroupEntry = 14, kDirHeader = 6;
constexpr size_t kMaxImages = 256;

void Utf8Append(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// One block of a version resource: length, value length, type, key, value, children.
struct Block {
  size_t start = 0, end = 0;   // the block's bytes
  size_t value = 0, valueBytes = 0;
  size_t children = 0;         // first child (4-byte aligned)
  bool text = false;
  std::string key;
};

size_t Align4(size_t n) { return (n + 3) & ~size_t(3); }

bool ReadBlock(const std::vector<uint8_t>& d, size_t at, size_t limit, Block& b) {
  if (at + 6 > limit) return false;
  const size_t length = le::U16(&d[at]);
  if (length < 6 || at + length > limit) return false;
  b = Block{};
  b.start = at;
  b.end = at + length;
  b.text = le::U16(&d[at + 4]) == 1;
  size_t p = at + 6;
  for (;; p += 2) {
    if (p + 2 > b.end) return false;
    const uint16_t c = le::U16(&d[p]);
    if (c == 0) break;
    Utf8Append(b.key, c);
  }
  b.value = Align4(p + 2);
  const size_t valueLength = le::U16(&d[at + 2]);
  b.valueBytes = b.text ? 2 * valueLength : valueLength;
  if (b.value > b.end) b.value = b.end;
  if (b.valueBytes > b.end - b.value) b.valueBytes = b.end - b.value;
  b.children = Align4(b.value + b.valueBytes);
  return true;
}

std::string Utf16Text(const std::vector<uint8_t>& d, size_t at, size_t bytes) {
  std::string out;
  for (size_t p = at; p + 2 <= at + bytes; p += 2) {
    const uint16_t c = le::U16(&d[p]);
    if (c == 0) break;
    Utf8Append(out, c);
  }
  return out;
}
}  // namespace

std::vector<Resource> IconsFromIcoFile(const std::vector<uint8_t>& ico) {
  if (ico.size() < kDirHeader || le::U16(&ico[0]) != 0 || le::U16(&ico[2]) != 1)
    throw FormatError("not an icon file (no icon directory)");
  const size_t count = le::U16(&ico[4]);
  if (count == 0) throw FormatError("the icon file holds no images");
  if (count > kMaxImages || kDirHeader + kIcoEntry * count > ico.size())
    throw FormatError("damaged icon file (directory)");
  Resource group;
  group.type = ResourceId::Number(kTypeGroupIcon);
  group.name = ResourceId::Text(kMainIconName);
  group.language = 0x409;
  group.data.assign(ico.begin(), ico.begin() + kDirHeader);
  std::vector<Resource> out;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = &ico[kDirHeader + kIcoEntry * i];
    const uint32_t size = le::U32(e + 8), offset = le::U32(e + 12);
    if (size == 0 || offset > ico.size() || size > ico.size() - offset)
      throw FormatError("damaged icon file (image " + std::to_string(i + 1) + " lies outside the file)");
    Resource image;
    image.type = ResourceId::Number(kTypeIcon);
    image.name = ResourceId::Number(static_cast<uint32_t>(i + 1));
    image.language = group.language;
    image.data.assign(ico.begin() + offset, ico.begin() + offset + size);
    out.push_back(std::move(image));
    group.data.insert(group.data.end(), e, e + 12);
    le::Append16(group.data, static_cast<uint16_t>(i + 1));
  }
  out.insert(out.begin(), std::move(group));
  return out;
}

std::vector<Resource> FirstIconGroup(const std::vector<Resource>& program) {
  auto findImage = [&](uint16_t id) -> const Resource* {
    for (const Resource& r : program)
      if (r.type == ResourceId::Number(kTypeIcon) && r.name == ResourceId::Number(id)) return &r;
    return nullptr;
  };
  for (const Resource& r : program) {
    if (!(r.type == ResourceId::Number(kTypeGroupIcon)) || r.data.size() < kDirHeader) continue;
    const size_t count = le::U16(&r.data[4]);
    if (count == 0 || count > kMaxImages || kDirHeader + kGroupEntry * count > r.data.size()) continue;
    Resource group = r;
    group.name = ResourceId::Text(kMainIconName);
    group.data.assign(r.data.begin(), r.data.begin() + kDirHeader);
    std::vector<Resource> out(1);
    // Images the group names but the program lacks are left out of the group.
    for (size_t i = 0; i < count; ++i) {
      const uint8_t* e = &r.data[kDirHeader + kGroupEntry * i];
      const Resource* image = findImage(le::U16(e + 12));
      if (!image) continue;
      const uint16_t id = static_cast<uint16_t>(out.size());
      Resource copy = *image;
      copy.name = ResourceId::Number(id);
      out.push_back(std::move(copy));
      group.data.insert(group.data.end(), e, e + 12);
      le::Append16(group.data, id);
    }
    if (out.size() == 1) continue;
    le::Put16(&group.data[4], static_cast<uint16_t>(out.size() - 1));
    out[0] = std::move(group);
    return out;
  }
  return {};
}

std::vector<Resource> FirstVersion(const std::vector<Resource>& program) {
  for (const Resource& r : program)
    if (r.type == ResourceId::Number(kTypeVersion)) {
      Resource copy = r;
      copy.name = ResourceId::Number(1);
      return {copy};
    }
  return {};
}

std::string VersionInfo::Get(const std::string& key) const {
  for (const auto& s : strings)
    if (s.first == key) return s.second;
  return std::string();
}

bool ParseVersionInfo(const std::vector<uint8_t>& d, VersionInfo& info) {
  info = VersionInfo{};
  Block root;
  if (!ReadBlock(d, 0, d.size(), root) || root.key != "VS_VERSION_INFO") return false;
  if (root.valueBytes >= 52 && le::U32(&d[root.value]) == 0xFEEF04BDu) {
    const uint8_t* v = &d[root.value];
    const uint32_t parts[4] = {le::U32(v + 8), le::U32(v + 12), le::U32(v + 16), le::U32(v + 20)};
    for (int i = 0; i < 2; ++i) {
      info.fileVersion[2 * i] = static_cast<uint16_t>(parts[i] >> 16);
      info.fileVersion[2 * i + 1] = static_cast<uint16_t>(parts[i]);
      info.productVersion[2 * i] = static_cast<uint16_t>(parts[2 + i] >> 16);
      info.productVersion[2 * i + 1] = static_cast<uint16_t>(parts[2 + i]);
    }
  }
  // Children: StringFileInfo > string tables > strings (each level advances by at least 6 bytes).
  for (size_t at = root.children; at < root.end;) {
    Block child;
    if (!ReadBlock(d, at, root.end, child)) break;
    if (child.key == "StringFileInfo") {
      for (size_t t = child.children; t < child.end;) {
        Block table;
        if (!ReadBlock(d, t, child.end, table)) break;
        for (size_t s = table.children; s < table.end;) {
          Block text;
          if (!ReadBlock(d, s, table.end, text)) break;
          info.strings.emplace_back(text.key, Utf16Text(d, text.value, text.end - text.value));
          s = Align4(text.end);
        }
        t = Align4(table.end);
      }
    }
    at = Align4(child.end);
  }
  return true;
}
}  // namespace pe
