// Gathering a skin folder (description + images) into package entries for `build`.
#pragma once
#include <string>
#include <vector>

#include "skin/data/skin_package.h"

struct SkinFolderContent {
  std::vector<TSkinEntrySource> entries;  // the description first, then by name
  std::vector<std::string> warnings;      // problems that still allow a skin file
};

// Reads every file of folder (not its subfolders). Entry names are the file names in
// ASCII lower case. Throws std::runtime_error when the folder cannot be read, holds no
// or several descriptions (names containing ".ini"), or two files fold to one name.
// Warns about .bmp files that are no usable BMP image and about images that the
// description names but the folder lacks.
SkinFolderContent CollectSkinFolder(const std::string& folder);
