// TSkinReader: unpacks a skin file held in memory and hands out its entries by name.
// Load failures are reported by status and message: the old-format message is the one
// the skin data component shows in a box (the quillskin tool prints it on stderr).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/stream.h"
#include "skin/data/skin_package.h"

// The message for a skin file of another format number (a CR between the sentences).
extern const char* const kOldSkinMessage;

class TSkinReader {
 public:
  TSkinReader() = default;
  TSkinReader(const TSkinReader&) = delete;
  TSkinReader& operator=(const TSkinReader&) = delete;

  // Reads the whole stream (from its start) as a skin file. On failure returns false
  // and keeps the entries it had; Status() and Message() say why.
  bool LoadPackage(TMemoryStream& skin_file);
  bool LoadPackage(const uint8_t* skin_file, size_t size);
  SkinLoadStatus Status() const { return status_; }
  const std::string& Message() const { return message_; }

  // Decompresses a skin file (both streams from position 0) into output; false when
  // the length field is refused (see DecompressSkinFile).
  static bool Decompress(TMemoryStream& input, TMemoryStream& output);

  // Clears output; folds name to lower case; writes the first entry of that name and
  // seeks output to 0. No match (or an entry whose size runs past the data): empty.
  void GetEntry(const std::string& name, TMemoryStream& output) const;
  // As GetEntry for the first entry whose name contains text (case-sensitive);
  // entry_name gets that entry's name. Returns whether one was found.
  bool FindEntry(const std::string& text, TMemoryStream& output, std::string& entry_name) const;

  int32_t EntryCount() const { return static_cast<int32_t>(package_.names.size()); }
  const std::vector<std::string>& EntryNames() const { return package_.names; }
  int32_t EntrySize(int index) const { return package_.sizes[index]; }
  // Entry bytes by index; false (and nothing) when its size runs past the data.
  bool EntryBytes(int index, const uint8_t*& data, size_t& size) const;
  int IndexOf(const std::string& lower_case_name) const;  // -1 when absent
  const TSkinFileHeader& Header() const { return package_.header; }

 private:
  void Fail(SkinLoadStatus status, std::string message);

  TSkinPackage package_;
  SkinLoadStatus status_ = SkinLoadStatus::Ok;
  std::string message_;
};
