// Start-up beside a peer: runs packed launchers that tools/bench_peer.sh built for the
// same payloads (Quillmere's and an NSIS zlib self-extractor's, each unpacking a
// program that ends at once plus a data file, running it and cleaning up), taking
// turns, each from a fresh start folder. Prints milliseconds (best and median of the
// rounds) and the ratio Quillmere / peer for every payload size.
//   peer_launcher_bench.exe FOLDER ROUNDS LABEL QUILLMERE_EXE PEER_EXE [LABEL Q P]...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/file_system.h"
#include "test_support.h"

using namespace qmtest;

namespace {
// One timed run from a fresh start folder; negative when it did not finish.
double TimedRun(const std::string& program, const std::string& start) {
  RemoveTree(start);
  fsys::CreateFolders(start);
  double begin = MillisecondsNow();
  RunResult r = Run(program, {}, start, {}, 600000);
  double took = MillisecondsNow() - begin;
  return r.finished ? took : -1.0;
}

double Best(std::vector<double> v) { return *std::min_element(v.begin(), v.end()); }
double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// The program in both payloads writes QM_RECORD_FILE when it is set: one checked run
// each shows that it really ran (the peer exits 0 even when it could not run it).
bool ProgramRuns(const std::string& launcher, const std::string& start) {
  std::string record = start + "-record.txt";
  fsys::RemoveFile(record);
  RemoveTree(start);
  fsys::CreateFolders(start);
  Run(launcher, {}, start, {{"QM_RECORD_FILE", record}}, 600000);
  bool ran = Exists(record);
  fsys::RemoveFile(record);
  return ran;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 6 || (argc - 3) % 3 != 0) {
    std::printf("usage: peer_launcher_bench FOLDER ROUNDS LABEL QUILLMERE_EXE PEER_EXE [...]\n");
    return 2;
  }
  std::string folder = argv[1];
  int rounds = std::max(1, std::atoi(argv[2]));
  std::string start = folder + "\\start";
  std::printf("%-8s %12s %12s %12s %12s %8s %8s\n", "payload", "quillmere", "(median)", "peer", "(median)",
              "ratio", "(median)");
  for (int a = 3; a + 2 < argc; a += 3) {
    std::string label = argv[a], ours = argv[a + 1], peer = argv[a + 2];
    if (!ProgramRuns(ours, start) || !ProgramRuns(peer, start)) {
      std::printf("%-8s the packed program did not run\n", label.c_str());
      continue;
    }
    std::vector<double> quill, other;
    for (int i = 0; i < rounds; ++i) {
      // Taking turns at going first, so that neither always finds the other's output
      // still being written back by the file cache.
      for (int turn = 0; turn < 2; ++turn) {
        bool oursNow = (i + turn) % 2 == 0;
        double t = TimedRun(oursNow ? ours : peer, start);
        if (t >= 0) (oursNow ? quill : other).push_back(t);
      }
    }
    if (quill.empty() || other.empty()) {
      std::printf("%-8s a launcher did not finish\n", label.c_str());
      continue;
    }
    std::printf("%-8s %12.1f %12.1f %12.1f %12.1f %8.2f %8.2f\n", label.c_str(), Best(quill), Median(quill),
                Best(other), Median(other), Best(quill) / Best(other), Median(quill) / Median(other));
  }
  RemoveTree(start);
  std::printf("(milliseconds from start to exit; ratio = Quillmere / peer, below 1 is faster)\n");
  return 0;
}
