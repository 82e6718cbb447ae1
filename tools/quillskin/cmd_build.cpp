// quillskin build: a skin folder into a skin file.
#include <stdexcept>

#include "command.h"
#include "skin/data/skin_package.h"
#include "skin_folder.h"
#include "tool_args.h"
#include "tool_files.h"

namespace {

const char kHelp[] =
    "Usage: quillskin build FOLDER --output SKIN.skn\n"
    "\n"
    "Packs a skin folder into a skin file: the skin description (the one file whose\n"
    "name contains .ini) and the BMP images it names. Every file of FOLDER becomes an\n"
    "entry named like the file in lower case; subfolders are left out. The description\n"
    "comes first, the other entries follow in name order. The package (format 20000)\n"
    "is LZHUF-compressed and checked by decoding it again before the file is written.\n"
    "\n"
    "Options:\n"
    "  -o, --output SKIN.skn  the skin file to write (replaced when it exists)\n"
    "\n"
    "Warnings on stderr do not stop the build: a .bmp file that is no usable BMP\n"
    "image, an image name the description gives that FOLDER lacks, an image name\n"
    "whose extension is not a lower-case .bmp (such a name loads no image).\n"
    "Errors (exit status 1): no description or more than one, more than 1001 files,\n"
    "more than 64 MB in all, two file names that differ only in case.\n";

int Run(const std::vector<std::string>& args, ToolOutput& io) {
  ToolArgs parsed = ParseToolArgs("build", args, {"--output"}, {}, {{"-o", "--output"}}, 1, 1);
  auto output = parsed.values.find("--output");
  if (output == parsed.values.end() || output->second.empty()) {
    throw std::runtime_error("Name the skin file to write with --output (run `quillskin build --help`)");
  }
  const std::string& folder = parsed.positional[0];
  SkinFolderContent content = CollectSkinFolder(folder);
  for (const std::string& w : content.warnings) io.Err("warning: " + w + "\n");

  std::vector<uint8_t> package;
  try {
    package = BuildSkinPackage(content.entries);
  } catch (const std::invalid_argument& e) {
    throw std::runtime_error(std::string("Cannot build the skin: ") + e.what());
  }
  std::vector<uint8_t> file = BuildSkinFile(package);

  // The file must read back to exactly this package.
  std::vector<uint8_t> check;
  std::string message;
  if (DecompressSkinFile(file.data(), file.size(), check, message) != SkinLoadStatus::Ok ||
      check != package) {
    throw std::runtime_error("Internal error: the compressed skin does not decode to its package");
  }
  WriteFileReplacing(output->second, file);
  io.Out("Wrote " + output->second + ": " + std::to_string(content.entries.size()) +
         " entries, " + std::to_string(package.size()) + " bytes packed into " +
         std::to_string(file.size()) + "\n");
  return 0;
}

}  // namespace

extern const Command kCommandBuild = {"build", "pack a skin folder into a skin file", kHelp, Run};
