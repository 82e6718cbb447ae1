// quillskin's table of commands and the dispatcher over it.
#include <exception>

#include "command.h"
#include "common/command_table.h"

// The commands, in the order `quillskin --help` lists them. Each X(Name) refers to the
// object kCommandName defined in cmd_<name>.cpp; adding a command is one line here.
#define QUILLSKIN_COMMANDS(X) \
  X(Build)                    \
  X(Unpack)                   \
  X(Info)

// Commands that need the Windows skin engine (built in the Windows tree only).
#ifdef _WIN32
#define QUILLSKIN_WIN32_COMMANDS(X) X(Preview)
#else
#define QUILLSKIN_WIN32_COMMANDS(X)
#endif

#define QUILLSKIN_DECLARE(Name) extern const Command kCommand##Name;
QUILLSKIN_COMMANDS(QUILLSKIN_DECLARE)
QUILLSKIN_WIN32_COMMANDS(QUILLSKIN_DECLARE)
#define QUILLSKIN_ENTRY(Name) &kCommand##Name,
static const Command* const kCommands[] = {
    QUILLSKIN_COMMANDS(QUILLSKIN_ENTRY) QUILLSKIN_WIN32_COMMANDS(QUILLSKIN_ENTRY)};

namespace {
std::string Overview() {
  return "Usage: quillskin COMMAND [OPTIONS] ARGUMENTS\n"
         "Makes and takes apart Quillmere skin files (.skn): an LZHUF-compressed package of\n"
         "a skin description (.ini) and the BMP images it names.\n\nCommands:\n" +
         cmdtable::CommandList(kCommands) +
         "\nRun `quillskin COMMAND --help` for the options of one command;\n"
         "`quillskin --version` prints the version.\n";
}
}  // namespace

int RunQuillskin(const std::vector<std::string>& args, ToolOutput& io) {
  if (args.empty()) {
    io.Err(Overview());
    return 1;
  }
  if (cmdtable::IsHelp(args[0])) {
    io.Out(Overview());
    return 0;
  }
  if (cmdtable::IsVersion(args[0])) {
    io.Out(std::string("quillskin ") + cmdtable::kToolsVersion + "\n");
    return 0;
  }
  const Command* command = cmdtable::FindCommand(kCommands, args[0]);
  if (!command) {
    io.Err("Unknown command \"" + args[0] + "\"; run `quillskin --help` for the list.\n");
    return 1;
  }
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (cmdtable::AsksForHelp(rest)) {
    io.Out(command->help);
    return 0;
  }
  try {
    return command->run(rest, io);
  } catch (const std::exception& e) {
    io.Err(std::string("quillskin ") + command->name + ": " + e.what() + "\n");
    return 1;
  }
}
