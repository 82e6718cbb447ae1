// Small PE images for the tests of quillpack's resource writer: a 32-bit (or other)
// program with one code section and, optionally, resources; .ico files and version
// resources with texts of the test's choosing.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "pe/resources.h"

namespace pesample {
struct Options {
  uint16_t machine = 0x14C;
  uint16_t subsystem = 2;  // GUI
  bool dll = false;
  std::vector<pe::Resource> resources;
};
std::vector<uint8_t> Image(const Options& options);

// An .ico file of count 16x16 32-bit images filled with colour (0xAARRGGBB).
std::vector<uint8_t> Ico(int count, uint32_t colour);

// A VS_VERSIONINFO block: fixed file and product version major.minor.0.0 and one
// string table 040904B0 with the texts given.
std::vector<uint8_t> Version(const std::map<std::string, std::string>& texts, uint16_t major, uint16_t minor);

// Resources of a program: its icon group (named or numbered as given) and version.
std::vector<pe::Resource> ProgramResources(const pe::ResourceId& group, uint32_t colour,
                                           const std::map<std::string, std::string>& texts);
}  // namespace pesample
