// The resources of a PE image as a flat list (type, name, language, bytes): read from
// an image's resource directory, and written back as a complete resource section.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "pe/pe_image.h"

namespace pe {
constexpr uint32_t kTypeIcon = 3;
constexpr uint32_t kTypeGroupIcon = 14;
constexpr uint32_t kTypeVersion = 16;

// A resource type or name: a number, or a UTF-16 string when text is not empty.
struct ResourceId {
  uint32_t id = 0;
  std::u16string text;
  static ResourceId Number(uint32_t n) { return {n, {}}; }
  static ResourceId Text(const std::string& ascii) { return {0, std::u16string(ascii.begin(), ascii.end())}; }
  bool IsText() const { return !text.empty(); }
  bool operator==(const ResourceId& o) const { return id == o.id && text == o.text; }
  // Directory order: names first (by their UTF-16 units), then numbers ascending.
  bool operator<(const ResourceId& o) const;
};

struct Resource {
  ResourceId type, name;
  uint32_t language = 0;
  uint32_t codePage = 0;
  std::vector<uint8_t> data;
};

// Every resource of the image, in directory order; an image without a resource
// directory has none. Throws FormatError for a damaged directory.
std::vector<Resource> ReadResources(const ReadAt& read, const Image& image);

// A resource section for the given RVA (directory, data entries, names and the data,
// each item aligned to 8 bytes); resources are put in directory order first.
std::vector<uint8_t> BuildResourceSection(std::vector<Resource> resources, uint32_t sectionRva);
}  // namespace pe
