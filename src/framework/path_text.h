// Portable text helpers shared by the archive, the launcher, the skin reader and the
// tools: letter case of ASCII text, case-insensitive comparison and removal, and the
// pieces of a Windows path.
#pragma once
#include <string>
#include <string_view>

// Only the ASCII letters change case; other bytes (UTF-8 sequences included) stay.
std::string LowerAscii(std::string text);
std::string UpperAscii(std::string text);
// Equality ignoring the case of ASCII letters.
bool SameTextAscii(std::string_view a, std::string_view b);
// Every occurrence of what removed, compared ignoring the case of ASCII letters and
// searched left to right without overlap. An empty what changes nothing.
std::string RemoveAllNoCase(const std::string& text, const std::string& what);

// Stored-path pieces, split at "\" and ":" (a drive's colon ends the folder part):
// everything up to and including the last "\" or ":" (empty when there is none)...
std::string FolderPart(const std::string& path);
// ...and everything after it.
std::string NamePart(const std::string& path);
// The text after the first ":" (the whole text when there is none).
std::string WithoutDrive(const std::string& path);
// Every run of backslashes replaced by a single one, but for the leading pair of a
// network path (\\server\share).
std::string CollapseBackslashes(const std::string& text);

// File-system path pieces, where "/" separates folders as well as "\":
// the file-name part, the text after the last "\", "/" or ":"...
std::string ExtractFileName(const std::string& path);
// ...and the folder that holds a file, without its final separator: "." for a bare
// name, the separator itself for a file in the root ("\x" gives "\").
std::string FolderOf(const std::string& path);
