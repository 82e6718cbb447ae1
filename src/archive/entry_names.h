// Name handling of archive entries: folder and name parts, case-insensitive matching,
// destination folder text, and the checks that keep extraction inside its folder.
#pragma once
#include <string>

namespace zlbnames {
// Everything up to and including the last "\" or ":" (empty when there is none).
std::string FolderPart(const std::string& path);
// Everything after the last "\" or ":".
std::string NamePart(const std::string& path);
// Removes everything up to and including the first ":".
std::string WithoutDrive(const std::string& path);
// ASCII case-insensitive equality (the stored bytes are otherwise compared as they are).
bool SameText(const std::string& a, const std::string& b);
// Replaces every run of backslashes with a single one.
std::string CollapseBackslashes(const std::string& text);

// A name that is one plain file name: not empty, no "\", "/" or ":", no control
// characters, and not made of dots and blanks only (".", "..", "... " and the like,
// which Windows shortens to a parent or to nothing).
bool IsPlainFileName(const std::string& name);
// A stored path that stays below the folder it is appended to: no drive or stream
// (":"), no control characters, and no component made of dots and blanks only.
// Folders may be separated by "\" or "/"; a leading separator is harmless when the
// path is appended to a folder, but not when the destination is empty or a bare drive
// ("C:"), where it would make the path absolute.
bool IsSafeStoredPath(const std::string& path, const std::string& destFolder);
}  // namespace zlbnames
