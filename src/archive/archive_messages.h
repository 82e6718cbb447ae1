// The archive component's messages, as users and callers see them.
#pragma once
#include <string>

namespace zlbmsg {
inline const char* const kArchiveNotFound = "Archive file not found";
inline const char* const kCorrupted = "The archive appears to be corrupted";
inline const char* const kRegistryError = "Error reading registry";
inline const char* const kNotOpen = "No archive is currently open";
inline const char* const kIndexOutOfBounds = "Index out of bounds";
inline const char* const kNoPassword = "No password given for encrypted file";
inline const char* const kNoDecryption = "No decryption algorithm found";
inline std::string UnableToOpen(const std::string& file) { return "Unable to open archive " + file; }
inline std::string WrongVersion(long long version) {
  return "The archive was created with a different version of Coffrel (v" + std::to_string(version) + ")";
}
inline std::string NotFound(const std::string& name) { return name + " not found in archive"; }
inline std::string ExtractFolderError(const std::string& folder) { return "Error extracting file to " + folder; }
inline std::string FailedCRC(const std::string& name) { return name + " failed CRC check"; }
inline std::string AlreadyExists(const std::string& name) { return name + " already exists in the archive"; }
// Our own: what a file that is no archive, a folder and a misplaced signature are told.
inline std::string NotAnArchive(const std::string& file) {
  return file + " is not an archive (no archive footer at its end)";
}
inline std::string IsFolder(const std::string& path) { return path + " is a folder, not an archive"; }
inline std::string SignatureNotAtEnd(const std::string& file) {
  return file + " has a signature that is not at the end of the file (data was appended after signing); "
                "sign the launcher after packing";
}
// Our own: an entry whose stored path or name would be written outside the destination.
inline std::string UnsafeEntry(const std::string& pathAndName) {
  return "Refused to extract " + pathAndName + ": its stored path or name leads outside the destination folder";
}
}  // namespace zlbmsg
