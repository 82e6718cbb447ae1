// quillskin unpack: the entries of a skin file back into files.
#include <set>
#include <stdexcept>

#include "command.h"
#include "framework/file_system.h"
#include "framework/stream.h"
#include "skin/data/skin_reader.h"
#include "tool_args.h"
#include "tool_files.h"

namespace {

const char kHelp[] =
    "Usage: quillskin unpack SKIN.skn FOLDER\n"
    "\n"
    "Writes every entry of a skin file into FOLDER (created when missing) as a file of\n"
    "the entry's name, replacing files of that name. Nothing is written outside FOLDER:\n"
    "an entry whose name is not one plain file name (separators, \"..\", drive letters,\n"
    "reserved characters or device names) is skipped and reported, and so is an entry\n"
    "whose data the package lacks. A later entry with the name of an earlier one is\n"
    "skipped with a warning (a skin only ever uses the first).\n"
    "\n"
    "Exit status 1 when the skin file is not loaded (its message is printed on stderr,\n"
    "such as the one for a skin file of an older format) or an entry was skipped.\n";

std::string ShownMessage(std::string message) {
  for (char& c : message) {
    if (c == '\r') c = '\n';
  }
  return message;
}

int Run(const std::vector<std::string>& args, ToolOutput& io) {
  ToolArgs parsed = ParseToolArgs("unpack", args, {}, {}, {}, 2, 2);
  const std::string& skin_path = parsed.positional[0];
  const std::string& folder = parsed.positional[1];

  std::vector<uint8_t> bytes = ReadWholeFile(skin_path, 2 * skinpkg::kMaxPackageSize);
  TSkinReader reader;
  if (!reader.LoadPackage(bytes.data(), bytes.size())) {
    io.Err(ShownMessage(reader.Message()) + "\n");
    io.Err("quillskin unpack: the skin file \"" + skin_path + "\" was not loaded\n");
    return 1;
  }
  if (!fsys::CreateFolders(folder)) throw std::runtime_error("Cannot create the folder \"" + folder + "\"");

  int status = 0;
  int written = 0;
  std::set<std::string> done;
  for (int i = 0; i < reader.EntryCount(); ++i) {
    const std::string& name = reader.EntryNames()[i];
    std::string reason;
    if (!IsSafeEntryFileName(name, reason)) {
      io.Err("skipped entry " + std::to_string(i + 1) + " \"" + name + "\": " + reason + "\n");
      status = 1;
      continue;
    }
    if (!done.insert(name).second) {
      io.Err("warning: skipped entry " + std::to_string(i + 1) + " \"" + name +
             "\": an earlier entry has this name\n");
      continue;
    }
    const uint8_t* data;
    size_t size;
    if (!reader.EntryBytes(i, data, size)) {
      io.Err("skipped entry \"" + name + "\": its " + std::to_string(reader.EntrySize(i)) +
             " bytes run past the end of the package\n");
      status = 1;
      continue;
    }
    // A link left under this name must not carry the write elsewhere.
    std::string path = JoinPath(folder, name);
    fsys::RemoveFile(path);
    try {
      TFileStream file(path, FileMode::Create);
      if (size > 0) file.Write(data, size);
    } catch (const EStreamError&) {
      io.Err("Cannot write \"" + path + "\"\n");
      status = 1;
      continue;
    }
    ++written;
  }
  io.Out("Unpacked " + std::to_string(written) + " of " + std::to_string(reader.EntryCount()) +
         " entries into " + folder + "\n");
  return status;
}

}  // namespace

extern const Command kCommandUnpack = {"unpack", "write the entries of a skin file into a folder",
                                       kHelp, Run};
