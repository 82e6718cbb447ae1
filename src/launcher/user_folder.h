// The per-user folder key (portable): MD5 of the launcher's executable path.
#pragma once
#include <string>

// The 32 upper-case hexadecimal digits of the MD5 digest of the path's bytes (UTF-8).
std::string UserFolderKey(const std::string& exePath);
