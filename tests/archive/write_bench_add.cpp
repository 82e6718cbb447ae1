// Benchmark: time per file for adding 5,000 and 20,000 small files (the cost per file
// must not grow with the number of entries), fresh and into an archive that already
// holds as many entries.
#include <chrono>
#include <cstdio>
#include <deque>

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
  std::deque<std::string> items = {folder};
  auto start = std::chrono::steady_clock::now();
  arc.AddFiles(items, false);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

int main() {
  const int counts[] = {5000, 20000};
  double fresh[2], onTop[2];
  for (int k = 0; k < 2; ++k) {
    int n = counts[k];
    std::string first = MakeFiles("bench_add_a", n), second = MakeFiles("bench_add_b", n);
    std::string out = ScratchFolder("bench_add_out");
    TZLBArc2 arc;
    arc.RecursePaths = true;
    arc.CreateArchive(out + "bench.zlb");
    fresh[k] = TimeAdd(arc, first) / n;
    // The same names once more: every file meets an existing entry of the same name.
    std::vector<std::string> log;
    arc.OnErrorLogged = [&](const std::string&) {};
    onTop[k] = TimeAdd(arc, second) / n;
    std::printf("%6d files: %7.1f us/file into a new archive, %7.1f us/file into one of %d entries (%d entries now)\n",
                n, fresh[k] * 1e6, onTop[k] * 1e6, n, arc.FileCount());
    RemoveTree(first.substr(0, first.size() - 1));
    RemoveTree(second.substr(0, second.size() - 1));
    RemoveTree(out.substr(0, out.size() - 1));
  }
  std::printf("ratio 20,000 / 5,000 per file: new archive %.2f, existing entries %.2f (aim: 1.3 or less)\n",
              fresh[1] / fresh[0], onTop[1] / onTop[0]);
  return 0;
}
