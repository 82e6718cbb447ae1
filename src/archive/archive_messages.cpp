// The archive component's composed messages and its thrower (see archive_messages.h).
#include "archive/archive_messages.h"

#include "archive/archive_types.h"

namespace zlbmsg {
std::string UnableToOpen(const std::string& file) { return "Unable to open archive " + file; }
std::string WrongVersion(long long version) {
  return "The archive was created with a different version of Coffrel (v" + std::to_string(version) + ")";
}
std::string NotFound(const std::string& name) { return name + " not found in archive"; }
std::string ExtractFolderError(const std::string& folder) { return "Error extracting file to " + folder; }
std::string FailedCRC(const std::string& name) { return name + " failed CRC check"; }
std::string AlreadyExists(const std::string& name) { return name + " already exists in the archive"; }
std::string NotAnArchive(const std::string& file) {
  return file + " is not an archive (no archive footer at its end)";
}
std::string IsFolder(const std::string& path) { return path + " is a folder, not an archive"; }
std::string SignatureNotAtEnd(const std::string& file) {
  return file + " has a signature that is not at the end of the file (data was appended after signing); "
                "sign the launcher after packing";
}
std::string UnsafeEntry(const std::string& pathAndName) {
  return "Refused to extract " + pathAndName + ": its stored path or name leads outside the destination folder";
}

void Fail(const char* message) { throw EZLBError(message); }
void Fail(const std::string& message) { throw EZLBError(message); }
}  // namespace zlbmsg
