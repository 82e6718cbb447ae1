// Folders the platform reports (Windows only); none ends in "\".
#pragma once
#include <string>

std::string WindowsFolder();
std::string ProgramFilesFolder();
// The roaming application-data folder: the APPDATA variable when it names a folder,
// else the shell's special folder; empty when neither is found.
std::string RoamingAppDataFolder();
// The launcher's own executable path.
std::string OwnExePath();
// The per-user folder of a launcher: roaming application data + "\Quillmere\" + the
// folder key + "\"; throws std::runtime_error when the roaming folder is not found.
std::string UserFolder(const std::string& exePath);
