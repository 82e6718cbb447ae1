// The launcher stub of `quillpack pack`: where the build puts it, the checks that it is
// a plain 32-bit Windows GUI launcher, and its identity resources (icon and version
// information of the packed program) written into the copy that gets the payload.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace stub {
// The places the stub is looked for when --stub is not given, in order: quillmere.exe
// next to quillpack, then the Windows build tree beside the native one
// (build/native/bin/quillpack finds build/win/bin/quillmere.exe).
std::vector<std::string> DefaultCandidates();
// The first candidate that exists; throws naming every place looked at.
std::string FindDefault();

struct IdentityOptions {
  std::string mainFile;     // icon and version source unless one of the next is given
  std::string iconFile;     // --icon FILE.ico
  std::string versionFrom;  // --version-from FILE.exe
  bool keepLauncherResources = false;
};

// Reads and checks the stub (throws std::runtime_error naming the stub and what is
// wrong: not a 32-bit Windows GUI program, or already carrying a payload) and returns
// its bytes with any signature dropped and the identity resources as asked. What was
// taken from where is appended to notes.
std::vector<uint8_t> Prepare(const std::string& stubPath, const IdentityOptions& options,
                             std::vector<std::string>& notes);

// Recomputes the PE checksum of the file (a packed launcher: stub and payload) in place.
void StoreChecksum(const std::string& path);

// Clears the security directory of a PE file in place and recomputes its checksum;
// false when the file is no PE image.
bool ClearSignatureEntry(const std::string& path);
}  // namespace stub
