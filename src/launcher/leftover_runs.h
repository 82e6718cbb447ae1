// Work folders left by earlier runs (Windows only): a run whose launcher was killed,
// or that a power cut ended, is saved into the storage archive by the next start of the
// same launcher, and its folder and record are removed.
#pragma once
#include <string>
#include <vector>

#include "archive/archive_types.h"

// Removes the files of the work folder that are unchanged copies of these payload
// entries (same name, size and CRC); a file the program wrote under such a name stays.
void RemoveUnchangedCopies(const std::string& workDir, const std::vector<TZLBEntry>& entries);

// Saves and removes the work folders of the launcher's leftover runs (other than the
// record ownRecordPath), payload copies left out as at the end of a run. A run whose
// folder cannot be saved keeps folder and record for a later start. Call with the
// storage lock held.
void SaveLeftoverRuns(const std::string& exePath, const std::string& ownRecordPath,
                      const std::vector<TZLBEntry>& payload);
