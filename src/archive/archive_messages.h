// The archive component's messages, as users and callers see them, and the one place
// that throws them (a call of Fail is much smaller than a throw at every site).
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
std::string UnableToOpen(const std::string& file);
std::string WrongVersion(long long version);
std::string NotFound(const std::string& name);
std::string ExtractFolderError(const std::string& folder);
std::string FailedCRC(const std::string& name);
std::string AlreadyExists(const std::string& name);
// Our own: what a file that is no archive, a folder and a misplaced signature are told.
std::string NotAnArchive(const std::string& file);
std::string IsFolder(const std::string& path);
std::string SignatureNotAtEnd(const std::string& file);
// Our own: an entry whose stored path or name would be written outside the destination.
std::string UnsafeEntry(const std::string& pathAndName);

// Throw EZLBError with the message.
[[noreturn]] void Fail(const char* message);
[[noreturn]] void Fail(const std::string& message);
}  // namespace zlbmsg
