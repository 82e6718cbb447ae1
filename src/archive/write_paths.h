// Text helpers of the write side: splitting item names into folder and file-name parts,
// stored paths, BaseDir removal and the keys of the duplicate checks.
#pragma once
#include <string>

namespace zlbpaths {
// "/" becomes "\" so that stored paths use one separator on every build.
std::string WithBackslashes(std::string path);
// Everything up to and including the last "\" or ":" (empty when there is none).
std::string FolderPart(const std::string& path);
// Everything after the last "\" or ":".
std::string NamePart(const std::string& path);
// The text after the first ":" (the whole text when there is none).
std::string WithoutDrive(const std::string& path);
// Resolves ".." folders and drops other folders made of dots and blanks only, so that
// a stored path never leads out of the folder an archive is extracted into.
std::string WithoutDotFolders(const std::string& folder);
// Removes every occurrence of what, compared case-insensitively (ASCII).
std::string RemoveAllNoCase(const std::string& text, const std::string& what);
std::string LowerAscii(std::string text);
// At most 255 bytes, cut before a UTF-8 character rather than inside it.
std::string Cut255(const std::string& text);
// The entry text that a name lookup compares with "stored path + name": the folder
// part (without drive when paths are saved) followed by the file-name part.
std::string LookupText(const std::string& name, bool savePaths);
// What a file to be added is looked up as: its folder part without drive when paths
// are saved (nothing otherwise) followed by its file-name part.
std::string AddCandidate(const std::string& file, bool savePaths);
// Key of a file or folder of the file system for "seen already" checks: trailing
// separators and leading ".\" removed; case-insensitive where the file system is.
std::string FileSystemKey(const std::string& path);
}  // namespace zlbpaths
