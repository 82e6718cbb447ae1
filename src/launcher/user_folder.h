// The per-user folder key and folder (portable): MD5 of the launcher's executable path,
// below the roaming application-data folder.
#pragma once
#include <string>

// The 32 upper-case hexadecimal digits of the MD5 digest of the path's bytes (UTF-8).
std::string UserFolderKey(const std::string& exePath);

// Whether path is a full path of a folder: a drive letter, a colon and a backslash, or
// a UNC path ("\\server\share...").
bool IsFullFolderPath(const std::string& path);

// appData + "\Quillmere\" + the folder key + "\". Throws std::runtime_error, naming
// the launcher, when appData is not a full path (not found, or relative): the per-user
// folder is never put at a drive root or below the current folder.
std::string UserFolderUnder(const std::string& appData, const std::string& exePath);
