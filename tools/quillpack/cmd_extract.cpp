// quillpack extract: writes all entries, or the named ones, into a folder.
#include <string>

#include "archive/zlb_archive.h"
#include "args.h"
#include "command.h"
#include "console.h"
#include "progress.h"

namespace {
int RunExtract(const std::vector<std::string>& args) {
  ParsedArgs a = ParseArgs("extract", args, {"--with-paths", "--keep-existing"}, 2, -1);
  TZLBArc2 arc;
  arc.ExtractWithPath = a.flags.count("--with-paths") > 0;
  arc.VerifyFileCRC = true;
  int failures = 0;
  arc.OnErrorLogged = [&](const std::string& msg) {
    console::Err(msg + "\n");
    ++failures;
  };
  if (a.flags.count("--keep-existing")) arc.OnReplaceFile = [](const std::string&, bool& r) { r = false; };
  TerminalProgress progress(arc);
  arc.OpenArchive(a.positional[0]);
  const std::string& dest = a.positional[1];
  // One entry at a time, so that an entry that cannot be written (a folder or a file in
  // the way, a full disk) is reported and the others are still written.
  std::vector<std::string> names(a.positional.begin() + 2, a.positional.end());
  if (names.empty()) {
    for (int i = 0; i < arc.FileCount(); ++i) {
      TZLBEntry e;
      arc.GetFileEntry(i, e);
      names.push_back(e.StoredPath + e.Name);
    }
  }
  for (const std::string& name : names) {
    try {
      arc.ExtractFile(dest, name);
    } catch (const std::exception& e) {
      console::EndProgressLine();
      const std::string message = e.what();
      console::Err((message.find(name) == std::string::npos ? name + ": " : std::string()) + message + "\n");
      ++failures;
    }
  }
  return failures ? 1 : 0;
}
}  // namespace

extern const Command kCommandExtract = {
    "extract", "write entries of an archive into a folder",
    "Usage: quillpack extract [--with-paths] [--keep-existing] ARCHIVE DEST [NAME...]\n"
    "Writes every entry of ARCHIVE into the folder DEST (created when missing), or\n"
    "only the entries NAME, each given as stored path + name as `quillpack list`\n"
    "shows it (compared without regard to case). Existing files are replaced.\n"
    "Every file is checked against its CRC-32 and is put in place only when it is\n"
    "sound; an existing file is left as it was when its replacement fails.\n"
    "Entries whose stored path or name would lead outside DEST (a drive, \"..\",\n"
    "a separator inside a name) are refused.\n\n"
    "  --with-paths      recreate each entry's stored path below DEST\n"
    "                    (otherwise every file goes directly into DEST)\n"
    "  --keep-existing   leave files that already exist untouched\n\n"
    "Exit status 0 when every entry was extracted; 1 when anything failed (each\n"
    "problem is reported on stderr; the other entries are still extracted).\n",
    RunExtract};
