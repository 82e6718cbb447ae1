// Benchmark: time per file for adding 5,000 and 20,000 small files (the cost per file
// must not grow with the number of entries), fresh and into an archive that already
// holds as many entries.
#include <chrono>
#include <cstdio>
#include <vector>

#include "archive/zlb_archive.h"
#include "write_test_util.h"

using namespace writetest;

namespace {
// Folder with count small files (40 to 200 bytes of text each).
std::string MakeFiles(const std::string& name, int count) {
  std::string dir = ScratchFolder(name);
  for (int i = 0; i < count; ++i) {
    std::string text = "file " + std::to_string(i) + " of the add benchmark\r\n";
    text.append(static_cast<size_t>(i % 160), static_cast<char>('a' + i % 26));
    WriteText(dir + "f" + std::to_string(i) + ".txt", text);
  }
  return dir;
}

// Seconds for one AddFiles call that adds every file of folder.
double TimeAdd(TZLBArc2& arc, const std::string& folder) {
  std::vector<std::string> items = {folder};
  auto start = std::chrono::steady_clock::now();
  arc.AddFiles(items, false);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

int main() {
  const int counts[] = {5000, 20000};
  std::string folders[2] = {MakeFiles("bench_add_5000", counts[0]), MakeFiles("bench_add_20000", counts[1])};
  std::string out = ScratchFolder("bench_add_out");
  {
    // Warm-up (file cache, allocator, and under Wine the server), not timed.
    TZLBArc2 arc;
    arc.RecursePaths = true;
    arc.CreateArchive(out + "warm.zlb");
    TimeAdd(arc, folders[0]);
  }
  double fresh[2], onTop[2];
  for (int k = 0; k < 2; ++k) {
    const int n = counts[k];
    TZLBArc2 arc;
    arc.RecursePaths = true;
    arc.CreateArchive(out + "bench" + std::to_string(n) + ".zlb");
    fresh[k] = TimeAdd(arc, folders[k]) / n;
    // The same files once more: each name meets an entry of the same name (reported).
    arc.OnErrorLogged = [](const std::string&) {};
    onTop[k] = TimeAdd(arc, folders[k]) / n;
    std::printf("%6d files: %7.1f us/file into a new archive, %7.1f us/file into one of %d entries\n", n,
                fresh[k] * 1e6, onTop[k] * 1e6, n);
  }
  std::printf("ratio 20,000 / 5,000 per file: new archive %.2f, existing entries %.2f (aim: 1.3 or less)\n",
              fresh[1] / fresh[0], onTop[1] / onTop[0]);
  for (const std::string& f : {folders[0], folders[1], out}) RemoveTree(f.substr(0, f.size() - 1));
  return 0;
}
