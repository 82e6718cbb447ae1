// quillpack add: more files and folders into an existing archive.
#include <stdexcept>
#include <string>

#include "archive/zlb_archive.h"
#include "command.h"
#include "console.h"
#include "framework/file_system.h"
#include "launcher_stub.h"
#include "progress.h"
#include "write_options.h"

namespace {
int RunAdd(const std::vector<std::string>& args) {
  WriteArgs a = ParseWriteArgs("add", args, {"--paths", "--recurse"}, {"--level", "--base-dir"}, 2);
  TZLBArc2 arc;
  ApplyAddOptions(a, arc);
  {
    TerminalProgress progress(arc);
    arc.OpenArchive(a.positional[0]);
  }
  const int before = arc.FileCount();
  const bool signedLauncher = arc.SignatureSize() > 0;
  if (signedLauncher)
    console::Err("warning: " + a.positional[0] +
                 " is signed; adding to it drops the signature (sign it again afterwards)\n");
  std::vector<std::string> items(a.positional.begin() + 1, a.positional.end());
  for (const std::string& item : items)
    if (!arc.RecursePaths && fsys::FolderExists(item))
      console::Err("warning: " + item + " is a folder; nothing was added from it (give --recurse)\n");
  bool complete = StoreFiles(arc, items);
  if (!arc.IsOpen()) return 1;
  // The rewritten file holds no certificate table; its security directory goes too.
  if (signedLauncher && arc.SignatureSize() == 0) {
    if (!stub::ClearSignatureEntry(a.positional[0]))
      throw std::runtime_error("Unable to clear the signature entry of " + a.positional[0]);
    console::Out("Signature of " + a.positional[0] + " dropped\n");
  }
  const int added = arc.FileCount() - before;
  console::Out("Archive " + a.positional[0] + ": " + std::to_string(added) +
               (added == 1 ? " entry" : " entries") + " added, " + std::to_string(arc.FileCount()) +
               " in all\n");
  return complete ? 0 : 1;
}
}  // namespace

extern const Command kCommandAdd = {
    "add", "add files and folders to an existing archive",
    "Usage: quillpack add [--level none|fastest|default|max] [--paths] [--recurse]\n"
    "                     [--base-dir TEXT] ARCHIVE FILE_OR_FOLDER...\n"
    "Adds the files named to ARCHIVE, which may stand behind other bytes (a payload\n"
    "appended to an executable). Those bytes and the data of the entries already\n"
    "there stay unchanged; the directory is written anew. The new archive is built\n"
    "in a temporary file next to ARCHIVE and replaces it in one step, so a failure\n"
    "leaves ARCHIVE as it was. A name that is already an entry is reported and\n"
    "stored once more. Archives of the old format version 1 are not modified.\n\n"
    "Options as for `quillpack create`:\n"
    "  --level L        none, fastest, default (the default) or max\n"
    "  --paths          store each file's folder (without a drive) with its name\n"
    "  --recurse        descend into folders and their sub-folders\n"
    "  --base-dir TEXT  remove TEXT from every stored folder (case-insensitive)\n\n"
    "Exit status 0 when every file was stored; 1 when anything was left out or the\n"
    "archive could not be rewritten.\n",
    RunAdd};
