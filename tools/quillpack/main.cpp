// quillpack: dispatches to the command named by the first argument.
#include <exception>
#include <string>
#include <vector>

#include "command.h"
#include "common/command_table.h"
#include "console.h"

// The commands, in the order `quillpack --help` lists them. Each X(Name) refers to
// the object kCommandName defined in cmd_<name>.cpp; adding a command is one line.
#define QUILLPACK_COMMANDS(X) \
  X(List)                     \
  X(Extract)                  \
  X(Test)                     \
  X(Create)                   \
  X(Add)                      \
  X(Pack)

#define QUILLPACK_DECLARE(Name) extern const Command kCommand##Name;
QUILLPACK_COMMANDS(QUILLPACK_DECLARE)
#define QUILLPACK_ENTRY(Name) &kCommand##Name,
static const Command* const kCommands[] = {QUILLPACK_COMMANDS(QUILLPACK_ENTRY)};

namespace {
void PrintOverview() {
  console::Out(
      "Usage: quillpack COMMAND [OPTIONS] ARGUMENTS\n"
      "Works with Quillmere archives: stand-alone archives and payloads appended to\n"
      "a launcher executable.\n\nCommands:\n" +
      cmdtable::CommandList(kCommands) +
      "\nRun `quillpack COMMAND --help` for the options of one command;\n"
      "`quillpack --version` prints the version.\n");
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args = console::Arguments(argc, argv);
  if (args.empty() || cmdtable::IsHelp(args[0])) {
    PrintOverview();
    return args.empty() ? 1 : 0;
  }
  if (cmdtable::IsVersion(args[0])) {
    console::Out(std::string("quillpack ") + cmdtable::kToolsVersion + "\n");
    return 0;
  }
  const Command* command = cmdtable::FindCommand(kCommands, args[0]);
  if (!command) {
    console::Err("Unknown command \"" + args[0] + "\"; run `quillpack --help` for the list.\n");
    return 1;
  }
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (cmdtable::AsksForHelp(rest)) {
    console::Out(command->help);
    return 0;
  }
  try {
    return command->run(rest);
  } catch (const std::exception& e) {
    console::EndProgressLine();
    console::Err(std::string(e.what()) + "\n");
    return 1;
  }
}
