// Association command building (see association_command.h).
#include "launcher/association_command.h"

#include "launcher/command_line.h"
#include "framework/path_text.h"
#include "launcher/text_utils.h"

namespace {
// Splits the command into its program and the rest (which keeps its leading blank).
void SplitProgram(const std::string& command, std::string& program, std::string& rest) {
  size_t start = command.find_first_not_of(" \t");
  if (start == std::string::npos) {
    program.clear();
    rest.clear();
    return;
  }
  if (command[start] == '"') {
    size_t close = command.find('"', start + 1);
    if (close == std::string::npos) {
      program = command.substr(start + 1);
      rest.clear();
    } else {
      program = command.substr(start + 1, close - start - 1);
      rest = command.substr(close + 1);
    }
    return;
  }
  // An unquoted program path may hold blanks: it runs to the first ".exe" that ends
  // an item, else to the first blank.
  std::string upper = UpperAscii(command);
  for (size_t at = upper.find(".EXE", start); at != std::string::npos;
       at = upper.find(".EXE", at + 1)) {
    size_t end = at + 4;
    if (end == command.size() || command[end] == ' ' || command[end] == '\t') {
      program = command.substr(start, end - start);
      rest = command.substr(end);
      return;
    }
  }
  size_t blank = command.find_first_of(" \t", start);
  program = command.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
  rest = blank == std::string::npos ? std::string() : command.substr(blank);
}

// Replaces every placeholder in rest by the document path, quoted unless the
// placeholder stands inside a quoted run.
std::string ReplacePlaceholder(const std::string& rest, const std::string& placeholder,
                               const std::string& document) {
  std::string result;
  bool quoted = false;
  for (size_t i = 0; i < rest.size();) {
    if (rest.compare(i, placeholder.size(), placeholder) == 0) {
      result += quoted ? document : QuoteArgument(document, true);
      i += placeholder.size();
      continue;
    }
    if (rest[i] == '"') quoted = !quoted;
    result += rest[i++];
  }
  return result;
}
}  // namespace

std::string BuildAssociationCommand(const std::string& registered, const std::string& document,
                                    const std::string& windowsFolder,
                                    const std::string& programFilesFolder) {
  std::string command = ReplaceAll(registered, "%SystemRoot%", windowsFolder);
  command = ReplaceAll(command, "%ProgramFiles%", programFilesFolder);
  std::string program, rest;
  SplitProgram(command, program, rest);
  // A command that starts the document itself ("%1" as the program).
  bool documentIsProgram = program == "%1" || program == "%L";
  if (documentIsProgram) program = document;
  if (rest.find("%1") != std::string::npos)
    rest = ReplacePlaceholder(rest, "%1", document);
  else if (rest.find("%L") != std::string::npos)
    rest = ReplacePlaceholder(rest, "%L", document);
  else if (!documentIsProgram)
    rest += " " + QuoteArgument(document, true);
  return QuoteProgramPath(program) + rest;
}
