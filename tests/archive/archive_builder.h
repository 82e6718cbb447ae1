// Test-side archive builder: lays out archives byte by byte (zlib and the format's
// encoders), including legacy version-1 archives and deliberately hostile ones.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "archive/archive_types.h"

namespace testarc {
using Bytes = std::vector<uint8_t>;

struct Item {
  std::string name;
  std::string path;  // stored path, e.g. "sub\\"
  std::string content;
  uint8_t method = smCompressed;  // 2 and 3 are "encrypted" with XorCipher
  TFileCompressionLevel level = fcDefault;
};

struct Options {
  std::string prefix;           // foreign bytes in front of the archive
  uint32_t version = 2;         // 1: legacy footer and 532-byte records
  bool compressDirectory = true;
  // Change the records after they were filled and before they are encoded (the
  // archive CRC is computed afterwards, so it stays valid).
  std::function<void(std::vector<TZLBEntry>&)> editRecords;
  // Change the footer after everything else (no field is recomputed).
  std::function<void(TZLBFooter&)> editFooter;
  // Change the raw directory bytes before they are compressed.
  std::function<void(Bytes&)> editDirectory;
};

Bytes Build(const std::vector<Item>& items, const Options& options = {});
Bytes Zlib(const std::string& content, int level = -1);
uint32_t Crc(const std::string& content);
// The stand-in cipher of the tests: every byte XOR the password's first byte.
void XorCipher(const std::string& password, Bytes& bytes);

// File helpers (paths in the seam's form).
void WriteFile(const std::string& path, const Bytes& bytes);
void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);  // empty when missing
// A new, empty, uniquely named folder in the temporary folder, ending in "\\".
std::string ScratchFolder(const std::string& name);
// Deletes a folder and everything below it.
void RemoveTree(const std::string& folder);
}  // namespace testarc
