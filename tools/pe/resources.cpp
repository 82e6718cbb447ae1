// Reading a resource directory tree (three levels: type, name, language) into a flat
// list, and writing a list back as one resource section.
#include "pe/resources.h"

#include <algorithm>
#include <map>

#include "pe/le_bytes.h"

namespace pe {
namespace {
constexpr uint32_t kSubdirectory = 0x80000000u;
constexpr size_t kMaxResources = 65536;

// Reader over the bytes of the section that holds the resource directory.
class TreeReader {
 public:
  TreeReader(const ReadAt& read, const Image& image, uint32_t rootRva, std::vector<Resource>& out)
      : read_(read), image_(image), root_(rootRva), out_(out) {}

  void Directory(uint32_t offset, int level, Resource& path) {
    uint8_t head[16];
    Bytes(offset, head, sizeof head);
    const unsigned count = unsigned(le::U16(head + 12)) + le::U16(head + 14);
    for (unsigned i = 0; i < count; ++i) {
      // Entries may share subdirectories; the walk is bounded however they are linked.
      if (++visited_ > 4 * kMaxResources) throw FormatError("damaged resource directory (too many entries)");
      uint8_t entry[8];
      Bytes(offset + 16 + 8 * i, entry, sizeof entry);
      const uint32_t nameField = le::U32(entry), target = le::U32(entry + 4);
      ResourceId id = (nameField & kSubdirectory) ? ResourceId{0, Name(nameField & ~kSubdirectory)}
                                                  : ResourceId::Number(nameField);
      if (level == 0) path.type = id;
      if (level == 1) path.name = id;
      if (level == 2) path.language = id.id;
      const bool sub = (target & kSubdirectory) != 0;
      if (level < 2) {
        if (!sub) throw FormatError("damaged resource directory (data entry above the language level)");
        Directory(target & ~kSubdirectory, level + 1, path);
      } else {
        if (sub) throw FormatError("damaged resource directory (more than three levels)");
        Data(target, path);
      }
    }
  }

 private:
  void Bytes(uint32_t offset, uint8_t* out, size_t count) {
    const int64_t at = image_.FileOffset(root_ + offset, static_cast<uint32_t>(count));
    if (uint64_t(root_) + offset > 0xFFFFFFFFu || at < 0 || !read_(at, out, count))
      throw FormatError("damaged resource directory (an offset leads outside the section)");
  }

  std::u16string Name(uint32_t offset) {
    uint8_t length[2];
    Bytes(offset, length, 2);
    const size_t n = le::U16(length);
    std::vector<uint8_t> units(2 * n);
    if (n) Bytes(offset + 2, units.data(), units.size());
    std::u16string text;
    for (size_t i = 0; i < n; ++i) text.push_back(static_cast<char16_t>(le::U16(&units[2 * i])));
    if (text.empty()) text = u"?";  // an empty name would read as a number
    return text;
  }

  void Data(uint32_t offset, const Resource& path) {
    if (out_.size() >= kMaxResources) throw FormatError("damaged resource directory (too many entries)");
    uint8_t entry[16];
    Bytes(offset, entry, sizeof entry);
    const uint32_t rva = le::U32(entry), size = le::U32(entry + 4);
    const int64_t at = image_.FileOffset(rva, size);
    if (at < 0) throw FormatError("damaged resource directory (data outside the file)");
    // Entries may share data; all of it together cannot be more than the file holds.
    dataTotal_ += size;
    if (dataTotal_ > image_.fileSize) throw FormatError("damaged resource directory (data counted twice)");
    Resource r = path;
    r.codePage = le::U32(entry + 8);
    r.data.resize(size);
    if (size && !read_(at, r.data.data(), size)) throw FormatError("damaged resource data");
    out_.push_back(std::move(r));
  }

  const ReadAt& read_;
  const Image& image_;
  uint32_t root_;
  std::vector<Resource>& out_;
  size_t visited_ = 0;
  int64_t dataTotal_ = 0;
};

void Align8(std::vector<uint8_t>& out) {
  while (out.size() % 8) out.push_back(0);
}
}  // namespace

bool ResourceId::operator<(const ResourceId& o) const {
  if (IsText() != o.IsText()) return IsText();
  return IsText() ? text < o.text : id < o.id;
}

std::vector<Resource> ReadResources(const ReadAt& read, const Image& image) {
  std::vector<Resource> out;
  const DataDirectory dir = image.Directory(kResourceDirectory);
  if (dir.address == 0 || dir.size == 0) return out;
  Resource path;
  TreeReader(read, image, dir.address, out).Directory(0, 0, path);
  return out;
}

std::vector<uint8_t> BuildResourceSection(std::vector<Resource> resources, uint32_t sectionRva) {
  std::stable_sort(resources.begin(), resources.end(), [](const Resource& a, const Resource& b) {
    if (!(a.type == b.type)) return a.type < b.type;
    if (!(a.name == b.name)) return a.name < b.name;
    return a.language < b.language;
  });
  // The tree as nested maps of indexes into resources.
  std::map<ResourceId, std::map<ResourceId, std::vector<size_t>>> tree;
  for (size_t i = 0; i < resources.size(); ++i) tree[resources[i].type][resources[i].name].push_back(i);

  // Sizes first: all directory tables, then the data entries, then the names, then data.
  size_t tables = 16 + 8 * tree.size();
  for (const auto& type : tree) {
    tables += 16 + 8 * type.second.size();
    for (const auto& name : type.second) tables += 16 + 8 * name.second.size();
  }
  const size_t entriesStart = tables;
  size_t namesSize = 0;
  std::map<std::u16string, size_t> nameOffsets;
  auto noteName = [&](const ResourceId& id) {
    if (id.IsText() && !nameOffsets.count(id.text)) {
      nameOffsets[id.text] = 0;
      namesSize += 2 + 2 * id.text.size();
    }
  };
  for (const auto& type : tree) {
    noteName(type.first);
    for (const auto& name : type.second) noteName(name.first);
  }
  const size_t namesStart = entriesStart + 16 * resources.size();
  size_t at = namesStart;
  std::vector<uint8_t> names;
  for (auto& n : nameOffsets) {
    n.second = at + names.size();
    le::Append16(names, static_cast<uint16_t>(n.first.size()));
    for (char16_t c : n.first) le::Append16(names, static_cast<uint16_t>(c));
  }

  std::vector<uint8_t> out;
  auto table = [&](size_t named, size_t numbered) {
    le::Append32(out, 0);  // characteristics
    le::Append32(out, 0);  // time stamp
    le::Append32(out, 0);  // version
    le::Append16(out, static_cast<uint16_t>(named));
    le::Append16(out, static_cast<uint16_t>(numbered));
  };
  auto entry = [&](const ResourceId& id, uint32_t target) {
    le::Append32(out, id.IsText() ? kSubdirectory | static_cast<uint32_t>(nameOffsets[id.text]) : id.id);
    le::Append32(out, target);
  };
  auto countNamed = [](const auto& m) {
    size_t n = 0;
    for (const auto& item : m) n += item.first.IsText() ? 1 : 0;
    return n;
  };
  // Level 1 at 0, then each type's table, each followed by its names' tables.
  size_t next = 16 + 8 * tree.size();
  table(countNamed(tree), tree.size() - countNamed(tree));
  std::vector<size_t> typeOffsets;
  for (const auto& type : tree) {
    typeOffsets.push_back(next);
    size_t size = 16 + 8 * type.second.size();
    for (const auto& name : type.second) size += 16 + 8 * name.second.size();
    entry(type.first, kSubdirectory | static_cast<uint32_t>(next));
    next += size;
  }
  size_t dataEntry = entriesStart;
  size_t t = 0;
  for (const auto& type : tree) {
    size_t nameTable = typeOffsets[t++] + 16 + 8 * type.second.size();
    table(countNamed(type.second), type.second.size() - countNamed(type.second));
    for (const auto& name : type.second) {
      entry(name.first, kSubdirectory | static_cast<uint32_t>(nameTable));
      nameTable += 16 + 8 * name.second.size();
    }
    for (const auto& name : type.second) {
      table(0, name.second.size());
      for (size_t index : name.second) {
        entry(ResourceId::Number(resources[index].language), static_cast<uint32_t>(dataEntry));
        dataEntry += 16;
      }
    }
  }
  // Data entries point at the data, laid out behind the names.
  size_t dataAt = (namesStart + names.size() + 7) / 8 * 8;
  std::vector<size_t> dataOffsets;
  for (const auto& type : tree)
    for (const auto& name : type.second)
      for (size_t index : name.second) {
        dataOffsets.push_back(index);
        le::Append32(out, sectionRva + static_cast<uint32_t>(dataAt));
        le::Append32(out, static_cast<uint32_t>(resources[index].data.size()));
        le::Append32(out, resources[index].codePage);
        le::Append32(out, 0);
        dataAt = (dataAt + resources[index].data.size() + 7) / 8 * 8;
      }
  out.insert(out.end(), names.begin(), names.end());
  Align8(out);
  for (size_t index : dataOffsets) {
    out.insert(out.end(), resources[index].data.begin(), resources[index].data.end());
    Align8(out);
  }
  return out;
}
}  // namespace pe
