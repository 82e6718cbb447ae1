// The per-user storage archive (Windows only): restored into the work folder before
// the launch, and the temporary work folder saved into it afterwards.
#pragma once
#include <string>

class TZLBArc2;

enum class TSaveResult {
  Saved,       // the new archive holds every file and replaced the old one
  Incomplete,  // the new archive replaced the old one, but some files could not be read
  Failed,      // no new archive; the old one is untouched
};

// The storage archive of a launcher: its per-user folder + "storage.data".
std::string StoragePath(const std::string& exePath);
// Opens the storage archive (when it exists) and extracts all of it, with paths, into
// the work folder, overwriting files there; the archive stays open. Throws what the
// archive component throws (a damaged archive).
void RestoreStorage(TZLBArc2& storage, const std::string& storagePath, const std::string& workDir);
// Saves every file below the work folder into the storage archive, stored paths
// relative to the work folder. The new archive is written beside the old one and moved
// over it only when it is complete and readable, so a failure keeps the old archive.
TSaveResult SaveStorage(TZLBArc2& storage, const std::string& storagePath, const std::string& workDir);
// Removes the folder and everything in it (read-only files too; links to other folders
// are removed, never entered); the outcome is ignored.
void DeleteWorkFolder(const std::string& workDir);
