// Launcher overhead benchmark: a packed program that exits at once, with payloads of
// about 1 MB and 100 MB. For each it times, in the same run: the packed launcher from
// start to exit, the unpacked program run directly (its own run, taken off the
// launcher's time), and `quillpack extract` of the same payload. Prints milliseconds
// (best of several runs) and the ratio of the launcher's overhead to bare extraction.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "framework/file_system.h"
#include "launcher/special_folders.h"
#include "launcher/text_utils.h"
#include "test_support.h"

using namespace qmtest;

namespace {
double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Timed(const std::string& program, const std::vector<std::string>& args, const std::string& folder) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  RunResult r = Run(program, args, folder, {}, 600000);
  QueryPerformanceCounter(&end);
  if (!r.finished) std::printf("  (%s did not finish)\n", program.c_str());
  return Milliseconds(start, end);
}

// Mixed content: runs of text-like bytes and random bytes, so it compresses partly.
void WriteMixedData(const std::string& path, size_t size) {
  std::mt19937 random(12345);
  std::string data;
  data.reserve(size);
  const std::string words = "launcher payload archive folder storage window marquee ";
  while (data.size() < size) {
    if (random() % 2) {
      for (int i = 0; i < 4096 && data.size() < size; ++i) data += words[random() % words.size()];
    } else {
      for (int i = 0; i < 4096 && data.size() < size; ++i) data += static_cast<char>(random());
    }
  }
  WriteFile(path, data);
}

double Best(std::vector<double> times) { return *std::min_element(times.begin(), times.end()); }
}  // namespace

int main() {
  ScratchFolder root("bench");
  std::string program = root / "quick.exe";
  CopyTo(RecorderExe(), program);  // without QM_RECORD_FILE it ends at once
  SetEnvironmentVariableW(L"QM_RECORD_FILE", nullptr);
  std::printf("%-9s %10s %10s %10s %10s %10s\n", "payload", "launcher", "program", "overhead",
              "extract", "ratio");
  struct Size {
    const char* label;
    size_t bytes;
    int runs;
  } sizes[] = {{"1 MB", 1u << 20, 9}, {"100 MB", 100u << 20, 4}};
  for (const Size& size : sizes) {
    std::string data = root / "data.bin";
    WriteMixedData(data, size.bytes);
    std::string packed = root / "packed.exe";
    if (!Pack(packed, program, {data})) {
      std::printf("packing failed\n");
      return 1;
    }
    std::string start = root / "start";
    std::string extracted = root / "extracted";
    std::vector<double> launcher, direct, extract;
    for (int i = 0; i < size.runs; ++i) {
      // The two take turns at going first, so neither always meets the other's
      // unwritten output in the file cache.
      for (int turn = 0; turn < 2; ++turn) {
        if ((turn + i) % 2 == 0) {
          RemoveTree(start);
          fsys::CreateFolders(start);
          launcher.push_back(Timed(packed, {}, start));
          // The program's own run, from the same folder, with the payload unpacked there.
          CopyTo(program, start + "\\quick.exe");
          direct.push_back(Timed(start + "\\quick.exe", {}, start));
        } else {
          RemoveTree(extracted);
          fsys::CreateFolders(extracted);
          extract.push_back(Timed(QuillpackExe(), {"extract", packed, extracted}, ""));
        }
      }
    }
    double overhead = Best(launcher) - Best(direct);
    std::printf("%-9s %10.1f %10.1f %10.1f %10.1f %10.2f\n", size.label, Best(launcher), Best(direct),
                overhead, Best(extract), overhead / Best(extract));
    RemoveTree(ExcludeTrailingBackslash(UserFolder(packed)));
  }
  std::printf("(milliseconds, best of the runs; ratio = launcher overhead / quillpack extract)\n");
  return 0;
}
