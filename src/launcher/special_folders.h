// Folders the platform reports (Windows only); none ends in "\".
#pragma once
#include <string>

std::string WindowsFolder();
std::string ProgramFilesFolder();
std::string RoamingAppDataFolder();
// The launcher's own executable path.
std::string OwnExePath();
// The per-user folder of a launcher: roaming application data + "\Quillmere\" + the
// folder key + "\".
std::string UserFolder(const std::string& exePath);
