// File helpers of quillskin: whole-file reads with a size bound, replacing writes,
// path joining, and the check that keeps unpacked entries inside their folder.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Reads a whole file; throws std::runtime_error naming the file when it cannot be read
// or is larger than max_size bytes.
std::vector<uint8_t> ReadWholeFile(const std::string& path, int64_t max_size);
// Writes bytes to path through a temporary file beside it that then replaces path.
void WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes);
std::string JoinPath(const std::string& folder, const std::string& name);

// Whether an entry name may become a file name inside the target folder on Windows and
// elsewhere: one plain name (no separators, drive letters, "." or ".."), no control
// or reserved characters, no trailing dot or blank, no device name, valid UTF-8, at
// most 255 bytes. reason says what is wrong otherwise.
bool IsSafeEntryFileName(const std::string& name, std::string& reason);
