// skin_art FOLDER: writes the "Quillmere Classic" skin folder (skin.ini and its BMP
// images), ready for `quillskin build FOLDER --output classic.skn`.
#include <cstdio>
#include <fstream>
#include <string>

#include "classic_skin.h"

namespace {

bool WriteFile(const std::string& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || std::string(argv[1]) == "--help") {
    std::fprintf(stderr, "usage: skin_art FOLDER\n"
                         "Writes the Quillmere Classic skin (skin.ini and BMP images) into FOLDER,\n"
                         "which must exist.\n");
    return argc == 2 ? 0 : 2;
  }
  const std::string folder = argv[1];
  const skin_art::SkinFolder skin = skin_art::BuildClassicSkin();
  bool ok = WriteFile(folder + "/" + skin.descriptionName, skin.description.data(),
                      skin.description.size());
  for (const auto& [name, image] : skin.images) {
    const std::vector<uint8_t> bytes = EncodeBmp24(image);
    ok = WriteFile(folder + "/" + name, bytes.data(), bytes.size()) && ok;
  }
  if (!ok) {
    std::fprintf(stderr, "skin_art: cannot write the skin into \"%s\"\n", folder.c_str());
    return 1;
  }
  return 0;
}
