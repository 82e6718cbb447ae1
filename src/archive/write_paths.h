// Text helpers of the write side: stored paths, names cut to size and the keys of the
// duplicate checks (the path pieces are in framework/path_text.h).
#pragma once
#include <string>

namespace zlbpaths {
// "/" becomes "\" so that stored paths use one separator on every build.
std::string WithBackslashes(std::string path);
// Resolves ".." folders and drops other folders made of dots and blanks only, so that
// a stored path never leads out of the folder an archive is extracted into.
std::string WithoutDotFolders(const std::string& folder);
// At most 255 bytes, cut before a UTF-8 character rather than inside it.
std::string Cut255(const std::string& text);
// What a file to be added is looked up as: its folder part without drive when paths
// are saved (nothing otherwise) followed by its file-name part.
std::string AddCandidate(const std::string& file, bool savePaths);
// Key of a file or folder of the file system for "seen already" checks: trailing
// separators and leading ".\" removed; case-insensitive where the file system is.
std::string FileSystemKey(const std::string& path);
}  // namespace zlbpaths
