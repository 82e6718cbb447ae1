// Name handling of archive entries: the text a name lookup compares, case-insensitive
// matching, destination folder text, and the checks that keep extraction inside its
// folder. The path pieces themselves are in framework/path_text.h.
#pragma once
#include <string>

#include "framework/path_text.h"

namespace zlbnames {
// The entry text that a name lookup compares with "stored path + name": the folder
// part (without drive when paths are saved) followed by the file-name part.
std::string LookupText(const std::string& name, bool savePaths);
// A path component made of dots and blanks only ("", ".", "..", " .", "..."): after
// Windows trims trailing dots and blanks, nothing or a relative step remains.
bool DotsAndBlanksOnly(const std::string& component);

// A Windows device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, CONIN$,
// CONOUT$, in any letter case), alone or followed by an extension or blanks: opening
// such a name opens the device, never a file in the folder.
bool IsDeviceName(const std::string& component);
// A name that is one plain file name: not empty, no "\", "/" or ":", no control
// characters, not made of dots and blanks only (".", "..", "... " and the like, which
// Windows shortens to a parent or to nothing), and no device name.
bool IsPlainFileName(const std::string& name);
// A stored path that stays below the folder it is appended to: no drive or stream
// (":"), no control characters, and no component made of dots and blanks only or
// naming a device.
// Folders may be separated by "\" or "/"; a leading separator is harmless when the
// path is appended to a folder, but not when the destination is empty or a bare drive
// ("C:"), where it would make the path absolute.
bool IsSafeStoredPath(const std::string& path, const std::string& destFolder);
}  // namespace zlbnames
