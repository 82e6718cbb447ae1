// The record a run keeps in its per-user folder while it uses a temporary work folder
// (portable text format): the folder, the launcher's and the program's processes, and
// what the run restored there, so that a later run can save a folder whose launcher was
// killed. Text lines "key=value"; the first line names the format.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A file as the restore left it in the work folder.
struct TRestoredFile {
  std::string Path;     // relative to the work folder: stored path + name
  int64_t Size = 0;
  uint32_t CRC = 0;     // CRC-32 of the content
  int64_t WriteTime = 0;  // last write time after the restore (the platform's units)
};

// A process, told apart from a later one with the same number by its start time.
struct TProcessMark {
  uint32_t Id = 0;
  uint64_t Start = 0;
};

struct TRunRecord {
  std::string WorkDir;  // ends in "\"
  TProcessMark Launcher;
  TProcessMark Program;  // Id 0 until the program has started
  bool Restored = false;  // the restore is complete and Files lists it
  std::vector<TRestoredFile> Files;
};

std::string FormatRunRecord(const TRunRecord& record);
// False for text that is not a complete record (wrong first line, a malformed or
// unknown line, no work folder); record is then unspecified.
bool ParseRunRecord(const std::string& text, TRunRecord& record);
