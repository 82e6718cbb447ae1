// The launcher's start-up split into its steps: each step is done here as the launcher
// does it, repeated, and its time printed (best and median, milliseconds), beside the
// whole launcher from start to exit (split at the moment its program starts, which the
// program records) and a program that ends at once. The payload is the fast program
// plus 1 MB of mixed data, as in the peer benchmark.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "archive/zlb_archive.h"
#include "framework/application.h"
#include "framework/file_system.h"
#include "launcher/launch.h"
#include "launcher/main_form.h"
#include "launcher/md5.h"
#include "launcher/run_records.h"
#include "launcher/special_folders.h"
#include "launcher/storage.h"
#include "launcher/storage_merge.h"
#include "launcher/text_utils.h"
#include "launcher/work_folder.h"
#include "skin/data/skin_data.h"
#include "test_support.h"

using namespace qmtest;

namespace {
void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void PrintTimes(const char* name, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-44s %9.2f %9.2f\n", name, times.front(), times[times.size() / 2]);
}

// Times step rounds times (prepare runs untimed before each) and prints one line.
void Step(const char* name, int rounds, const std::function<void()>& step,
          const std::function<void()>& prepare = [] {}) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    prepare();
    double begin = MillisecondsNow();
    step();
    times.push_back(MillisecondsNow() - begin);
  }
  PrintTimes(name, times);
}

void WriteMixedData(const std::string& path, size_t size) {
  std::mt19937 random(12345);
  std::string data;
  const std::string words = "launcher payload archive folder storage window marquee ";
  while (data.size() < size) {
    bool text = random() % 2;
    for (int i = 0; i < 4096 && data.size() < size; ++i)
      data += text ? words[random() % words.size()] : static_cast<char>(random());
  }
  WriteFile(path, data);
}
}  // namespace

int main() {
  const int rounds = 15;
  ScratchFolder root("steps");
  std::string quick = root / "quick.exe";
  CopyTo(RecorderExe(), quick);
  SetEnvironmentVariableW(L"QM_RECORD_FILE", nullptr);
  WriteMixedData(root / "data.bin", 1u << 20);
  std::string packed = root / "packed.exe";
  if (!Pack(packed, quick, {root / "data.bin"}, false, DefaultSkinPath())) {
    std::printf("packing failed\n");
    return 1;
  }
  std::string start = root / "start";
  auto freshStart = [&] {
    RemoveTree(start);
    fsys::CreateFolders(start);
  };
  std::printf("%-44s %9s %9s\n", "step (1 MB payload, with the default skin)", "best", "median");

  Step("whole launcher, start to exit", rounds, [&] { Run(packed, {}, start, {}, 600000); }, freshStart);
  std::vector<double> toProgram, afterProgram;
  const std::string record = root / "record.txt";
  for (int i = 0; i < rounds; ++i) {
    freshStart();
    double begin = MillisecondsNow();
    Run(packed, {}, start, {{"QM_RECORD_FILE", record}}, 600000);
    double end = MillisecondsNow();
    double started = std::atof(Value(ReadRecord(record), "started").c_str());
    toProgram.push_back(started - begin);
    afterProgram.push_back(end - started);
  }
  PrintTimes("  start until the program starts", toProgram);
  PrintTimes("  program start until the launcher's exit", afterProgram);
  Step("the program alone (process start to exit)", rounds, [&] { Run(quick, {}, start, {}, 600000); });

  TApplication application;
  application.Initialize();
  Step("window: layout and window handles", rounds, [&] {
    TformMain form(nullptr);
    form.HandleNeeded();
  });
  Step("window: layout, shown and painted", rounds, [&] {
    TformMain form(nullptr);
    form.Show();
    UpdateWindow(form.Handle());
    Pump();
  });
  Step("skin: read and activate classic.skn", rounds, [&] {
    TSkinData skin(nullptr);
    skin.SetSkinFile(DefaultSkinPath());
    skin.SetActive(true);
  });
  Step("folder key (MD5 of the path)", rounds, [&] { UserFolder(packed); });
  std::string workDir;
  Step("work folder and run record", rounds,
       [&] {
         workDir = CreateWorkFolder();
         TRunRecordFile record;
         record.Record().WorkDir = workDir;
         record.Record().Launcher = CurrentProcessMark();
         record.Write(UserFolder(packed));
         record.Remove();
       },
       [&] {
         if (!workDir.empty()) fsys::RemoveFolder(ExcludeTrailingBackslash(workDir));
       });
  TZLBArc2 payload;
  Step("payload: open with its CRC check", rounds, [&] {
    payload.VerifyArchiveCRC = true;
    payload.OpenArchive(packed);
  });
  Step("payload: open without the check", rounds, [&] {
    payload.VerifyArchiveCRC = false;
    payload.OpenArchive(packed);
  });
  Step("payload: skin.skn and app.data out", rounds, [&] {
    payload.ExtractFile(workDir, "skin.skn");
    payload.ExtractFile(workDir, "app.data");
    fsys::RemoveFile(workDir + "skin.skn");
    fsys::RemoveFile(workDir + "app.data");
  });
  Step("payload: unpack all into the start folder", rounds, [&] {
    payload.ExtractWithPath = true;
    payload.ExtractAll(start);
  }, freshStart);
  TLauncherState state;
  state.StartDir = start;
  state.WorkDir = workDir;
  Step("program: start and wait", rounds, [&] { LaunchAndWait(state, quick, INFINITE, 1); });
  std::string storagePath = root / "user\\storage.data";
  Step("storage: merge and save an empty folder", rounds, [&] {
    TZLBArc2 storage;
    MergeStoredChanges(storagePath, workDir, {});
    SaveStorage(storage, storagePath, workDir);
  });
  std::string doomed = root / "doomed\\";
  auto makeDoomed = [&] { fsys::CreateFolders(doomed + "sub"); WriteFile(doomed + "sub\\f.txt", "x"); };
  Step("work folder: delete", rounds, [&] { DeleteWorkFolder(doomed); }, makeDoomed);
  fsys::RemoveFolder(ExcludeTrailingBackslash(workDir));
  RemoveTree(ExcludeTrailingBackslash(UserFolder(packed)));
  std::printf("(milliseconds over %d rounds)\n", rounds);
  return 0;
}
