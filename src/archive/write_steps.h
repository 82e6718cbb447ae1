// The steps of TZLBArc2::AddFiles, as functions over the component's public state.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "archive/zlb_archive.h"

class TStream;

namespace zlbwrite {
using ProgressFn = std::function<void(const std::string& msg, int64_t done, int64_t total)>;

// Copies count bytes from source's position to dest (nothing for count 0).
void CopyBytes(TStream& source, TStream& dest, int64_t count);
// Replaces folder items by their files (see the definition for what is skipped).
void ExpandFolders(TZLBArc2& arc, std::vector<std::string>& list);
// A new temporary file for the rewritten archive, next to the archive when possible.
std::string RewriteFileName(TZLBArc2& arc);
// Copies any prefix and all entry data of the open archive to out.
void CopyKeptPart(const TZLBArc2& arc, TStream& out);
// The fields of a new entry that do not depend on how its data is stored.
void FillEntry(TZLBEntry& entry, const std::string& fileName, bool savePaths, int64_t size, uint32_t crc,
               int64_t dataOffset);
// Stores each listed file at the end of out; returns the new entries. Failures of
// single files are reported through OnErrorLogged and leave nothing in out.
std::vector<TZLBEntry> AddListed(TZLBArc2& arc, const std::vector<std::string>& list, TStream& out,
                                 bool encrypt, const ProgressFn& progress);
}  // namespace zlbwrite
