// The "Quillmere Classic" skin, drawn by code (portable): every image as pixels and the
// skin description text that names them.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "framework/bmp_format.h"

namespace skin_art {

struct SkinFolder {
  std::string descriptionName;  // "skin.ini"
  std::string description;      // the description text, CR LF lines
  std::vector<std::pair<std::string, PixelImage>> images;  // file name, pixels
};

SkinFolder BuildClassicSkin();

}  // namespace skin_art
