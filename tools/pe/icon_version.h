// The identity resources packing gives a launcher: the icon group MAINICON (the name
// the launcher loads its window icon by) with its images, from an .ico file or from
// another program's first icon group, and a program's version information, with a
// reader of the version information's texts.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "pe/resources.h"

namespace pe {
extern const char* const kMainIconName;  // "MAINICON"

// The group and its images (RT_ICON 1..n) from the bytes of an .ico file.
// Throws FormatError saying what is wrong with the file.
std::vector<Resource> IconsFromIcoFile(const std::vector<uint8_t>& ico);

// The first icon group of a program (the one the shell shows) renamed MAINICON, with
// the images it names renumbered 1..n; empty when the program has none.
std::vector<Resource> FirstIconGroup(const std::vector<Resource>& program);

// The program's first version resource, as ID 1; empty when it has none.
std::vector<Resource> FirstVersion(const std::vector<Resource>& program);

struct VersionInfo {
  uint16_t fileVersion[4] = {0, 0, 0, 0};
  uint16_t productVersion[4] = {0, 0, 0, 0};
  std::vector<std::pair<std::string, std::string>> strings;  // UTF-8 key and value, all tables
  std::string Get(const std::string& key) const;
};

// Reads a VS_VERSIONINFO block; false when it is malformed.
bool ParseVersionInfo(const std::vector<uint8_t>& data, VersionInfo& info);
}  // namespace pe
