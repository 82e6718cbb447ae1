// The entries of a launcher payload before anything is written: the extra files and
// folders expanded (folders with --recurse), with --paths each stored with its folders
// below the start folder (an extra given by a relative path keeps that path, one given
// absolutely or climbing with ".." only its last part), each checked for being a
// readable file, names checked unique.
#pragma once
#include <string>
#include <vector>

struct PlannedEntry {
  std::string source;      // the file to store
  std::string storedPath;  // empty, or folders ending in "\" (data\, data\sub\)
  std::string name;
};

// Throws std::runtime_error naming the extra that is missing, unreadable, or a folder
// given without --recurse.
std::vector<PlannedEntry> PlanExtras(const std::vector<std::string>& extras, bool recurse, bool paths);

// Throws when two entries would have the same stored path and name (case ignored):
// the launcher finds entries by name, and a second one would overwrite the first.
void CheckUniqueEntries(const std::vector<PlannedEntry>& entries);
