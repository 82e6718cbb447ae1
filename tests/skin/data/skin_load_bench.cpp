// Skin load benchmark: the time from a skin file on disk to built skin objects, as the
// launcher's SkinFile assignment does it, and how that splits into unpacking the package,
// reading the description and building the objects. Prints figures; asserts nothing.
//   skin_load_bench [SKIN.skn] [ROUNDS]   (default: classic.skn beside the program, 40)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/file_system.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_reader.h"
#include "test_skins.h"

namespace {

using testskin::BesideProgram;

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Figures {
  std::vector<double> samples;
  void Add(double ms) { samples.push_back(ms); }
  double Median() {
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0 : samples[samples.size() / 2];
  }
  double Min() { return samples.empty() ? 0 : *std::min_element(samples.begin(), samples.end()); }
};

}  // namespace

int main(int argc, char** argv) {
  const std::string skin = argc > 1 ? argv[1] : BesideProgram("classic.skn");
  const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 40;
  if (!fsys::FileExists(skin)) {
    std::fprintf(stderr, "skin_load_bench: no skin file %s\n", skin.c_str());
    return 1;
  }

  // Whole path: file to objects, through one component as the launcher has it.
  Figures whole;
  TSkinData data;
  data.ShowMessage = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
  for (int i = 0; i <= rounds; ++i) {
    const Clock::time_point start = Clock::now();
    data.SetSkinFile(skin);
    const double ms = Ms(Clock::now() - start);
    if (data.SkinEmpty()) {
      std::fprintf(stderr, "skin_load_bench: %s was not loaded\n", skin.c_str());
      return 1;
    }
    if (i > 0) whole.Add(ms);  // the first round warms caches and GDI up
  }

  // The same split into its stages.
  Figures unpack, describe, build;
  const std::vector<uint8_t>& bytes = data.SkinStream().Bytes();
  for (int i = 0; i < rounds; ++i) {
    const Clock::time_point t0 = Clock::now();
    TSkinReader reader;
    reader.LoadPackage(bytes.data(), bytes.size());
    const Clock::time_point t1 = Clock::now();
    TMemoryStream description;
    std::string name;
    reader.FindEntry(".ini", description, name);
    TQuickIni ini;
    ini.LoadFromStream(description);
    const Clock::time_point t2 = Clock::now();
    data.ReadSkinDescription(ini, reader);
    const Clock::time_point t3 = Clock::now();
    unpack.Add(Ms(t1 - t0));
    describe.Add(Ms(t2 - t1));
    build.Add(Ms(t3 - t2));
  }

  std::printf("skin: %s (%zu bytes, %d rounds)\n", skin.c_str(), bytes.size(), rounds);
  std::printf("file to built objects: median %.2f ms, best %.2f ms (goal: under 20 ms)\n",
              whole.Median(), whole.Min());
  std::printf("  unpack package:      median %.2f ms\n", unpack.Median());
  std::printf("  read description:    median %.2f ms\n", describe.Median());
  std::printf("  build skin objects:  median %.2f ms\n", build.Median());
  return 0;
}
