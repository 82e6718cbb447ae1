// Small hand-made skins for the skin object and skin data tests.
#include "test_skins.h"

#include <windows.h>

#include <stdexcept>

#include "framework/wide.h"

namespace testskin {

PixelImage Cells(int w, int h, int n, const std::vector<TColor>& colours) {
  PixelImage image(w, h);
  const int cell = n > 0 ? w / n : w;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      size_t index = cell > 0 ? static_cast<size_t>(x / cell) : 0;
      if (index >= colours.size()) index = colours.size() - 1;
      image.At(x, y) = PixelOf(colours[index]);
    }
  }
  return image;
}

TestSkin& TestSkin::Image(const std::string& name, const PixelImage& image) {
  entries.push_back({name, EncodeBmp24(image)});
  return *this;
}

TestSkin& TestSkin::Raw(const std::string& name, std::vector<uint8_t> bytes) {
  entries.push_back({name, std::move(bytes)});
  return *this;
}

std::vector<uint8_t> TestSkin::Package() const {
  std::vector<TSkinEntrySource> all;
  if (!iniName.empty()) all.push_back({iniName, std::vector<uint8_t>(ini.begin(), ini.end())});
  all.insert(all.end(), entries.begin(), entries.end());
  return BuildSkinPackage(all);
}

std::vector<uint8_t> TestSkin::File() const { return BuildSkinFile(Package()); }

std::string BesideProgram(const std::string& name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return Narrow(folder) + name;
}

std::unique_ptr<ReadSkin> Read(const TestSkin& skin, const TSkinObjects* previous) {
  auto result = std::make_unique<ReadSkin>();
  const std::vector<uint8_t> file = skin.File();
  if (!result->reader.LoadPackage(file.data(), file.size())) {
    throw std::runtime_error("test skin did not load: " + result->reader.Message());
  }
  TMemoryStream description;
  std::string name;
  result->reader.FindEntry(".ini", description, name);
  description.Seek(0);
  result->ini.LoadFromStream(description);
  result->objects.CreateAlwaysPresent();
  TSkinObjects none;
  ReadSkinObjects(result->ini, result->reader, previous ? *previous : none, result->objects,
                  result->colours);
  return result;
}

}  // namespace testskin
