// quillpack create: a new archive from files and folders.
#include <stdexcept>
#include <string>

#include "archive/zlb_archive.h"
#include "command.h"
#include "console.h"
#include "framework/file_system.h"
#include "write_options.h"

namespace {
int RunCreate(const std::vector<std::string>& args) {
  WriteArgs a = ParseWriteArgs("create", args, {"--paths", "--recurse"}, {"--level", "--base-dir"}, 2);
  const std::string& archive = a.positional[0];
  if (fsys::FolderExists(archive)) throw std::runtime_error(archive + " is a folder; name the archive file to create");
  if (fsys::PathExists(archive))
    throw std::runtime_error("The archive " + archive + " exists; `quillpack add` adds to it");
  TZLBArc2 arc;
  ApplyAddOptions(a, arc);
  std::vector<std::string> items(a.positional.begin() + 1, a.positional.end());
  for (const std::string& item : items)
    if (!arc.RecursePaths && fsys::FolderExists(item))
      console::Err("warning: " + item + " is a folder; nothing was added from it (give --recurse)\n");
  arc.CreateArchive(archive);
  bool complete = StoreFiles(arc, items);
  const int entries = arc.IsOpen() ? arc.FileCount() : 0;
  console::Out("Archive " + a.positional[0] + ": " + std::to_string(entries) +
               (entries == 1 ? " entry\n" : " entries\n"));
  return complete ? 0 : 1;
}
}  // namespace

extern const Command kCommandCreate = {
    "create", "write a new archive from files and folders",
    "Usage: quillpack create [--level none|fastest|default|max] [--paths] [--recurse]\n"
    "                        [--base-dir TEXT] ARCHIVE FILE_OR_FOLDER...\n"
    "Writes the new archive ARCHIVE (it must not exist yet) holding the files named.\n"
    "A folder stands for the files in it when --recurse is given (sub-folders\n"
    "included) and is skipped otherwise. Each file is compressed with zlib and\n"
    "stored as it is when compression would not make it smaller.\n\n"
    "  --level L        compression of the entries and the directory: none, fastest,\n"
    "                   default (the default) or max\n"
    "  --paths          store each file's folder (without a drive) with its name;\n"
    "                   folders are written with \"\\\"\n"
    "  --recurse        descend into folders and their sub-folders\n"
    "  --base-dir TEXT  remove TEXT from every stored folder, wherever it occurs and\n"
    "                   whatever its case (with --paths: the folder the stored paths\n"
    "                   should be relative to, without drive, ending in \"\\\")\n\n"
    "Files that cannot be read are reported as warnings and left out.\n"
    "Exit status 0 when every file was stored; 1 when anything was left out or the\n"
    "archive could not be written.\n",
    RunCreate};
