// Options of the writing commands (create, add, pack) and the shared step that stores
// files into an open archive and reports what could not be stored.
#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "archive/archive_types.h"

class TZLBArc2;

struct WriteArgs {
  std::set<std::string> flags;                // flags given, e.g. "--paths"
  std::map<std::string, std::string> values;  // options with a value, e.g. "--level"
  std::vector<std::string> positional;
};

// Accepts the flags and the value options named ("--name VALUE" or "--name=VALUE");
// "--" ends the options. Throws std::runtime_error with a usage message.
WriteArgs ParseWriteArgs(const std::string& command, const std::vector<std::string>& args,
                         const std::set<std::string>& flags, const std::set<std::string>& valueOptions,
                         int minPositional);

// "none", "fastest", "default" or "max" (also "maximum"); throws for anything else.
TFileCompressionLevel ParseLevel(const std::string& text);

// --level, --paths, --recurse and --base-dir applied to the component.
void ApplyAddOptions(const WriteArgs& args, TZLBArc2& arc);

// Runs AddFiles with the items on the open archive, with terminal progress. Problems the
// component reports are printed as warnings; returns true when every file was stored
// and the archive was rewritten.
bool StoreFiles(TZLBArc2& arc, std::vector<std::string> items);
