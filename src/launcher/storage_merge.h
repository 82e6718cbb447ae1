// Merging a work folder with the storage archive as it is now (Windows only), so that
// two runs of one launcher that overlap both keep their changes. Call with the storage
// lock held, right before the work folder is saved.
#pragma once
#include <string>
#include <vector>

#include "launcher/run_record.h"

class TZLBArc2;

// What a restore put into the work folder: every entry of the storage archive whose
// file is there with the entry's size, with its size, CRC and last write time.
std::vector<TRestoredFile> ListRestored(const TZLBArc2& storage, const std::string& workDir);

// Brings the work folder to what the save must hold: a file this run changed or
// created stays; a file it did not touch becomes what the archive holds now (another
// run may have saved a newer one, or removed it); a file it deleted is brought back
// when the archive now holds another version than it restored; a file another run
// added is taken in. The archive is read only. Files that cannot be taken from the
// archive are left as the run had them.
void MergeStoredChanges(const std::string& storagePath, const std::string& workDir,
                        const std::vector<TRestoredFile>& restored);
