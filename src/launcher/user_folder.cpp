// Per-user folder key and folder (see user_folder.h).
#include "launcher/user_folder.h"

#include "launcher/fail.h"
#include "launcher/md5.h"
#include "launcher/text_utils.h"

std::string UserFolderKey(const std::string& exePath) { return Md5Hex(exePath); }

bool IsFullFolderPath(const std::string& path) {
  const bool drive = path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
                     path[1] == ':' && path[2] == '\\';
  const bool unc = path.size() >= 3 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
  return drive || unc;
}

std::string UserFolderUnder(const std::string& appData, const std::string& exePath) {
  const std::string base = ExcludeTrailingBackslash(appData);
  if (!IsFullFolderPath(base + "\\")) {
    const bool given = !appData.empty();
    Fail({"Cannot find the roaming application-data folder for the saved files of ", exePath,
          given ? " (it is given as \"" : "", appData, given ? "\")" : ""});
  }
  return base + "\\Quillmere\\" + UserFolderKey(exePath) + "\\";
}
