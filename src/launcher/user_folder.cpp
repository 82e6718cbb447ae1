// Per-user folder key (see user_folder.h).
#include "launcher/user_folder.h"

#include "launcher/md5.h"

std::string UserFolderKey(const std::string& exePath) { return Md5Hex(exePath); }
