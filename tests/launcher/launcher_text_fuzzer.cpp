// Fuzz target for the launcher's readers of outside text: the descriptor app.data, the
// Boolean of its line 5, command-line arguments, a registered "open" command and the
// run records of the per-user folder.
// Run longer with: build/native/bin/launcher_text_fuzzer -max_total_time=600 CORPUS_DIR
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "launcher/association_command.h"
#include "launcher/command_line.h"
#include "launcher/descriptor.h"
#include "launcher/run_record.h"
#include "framework/path_text.h"
#include "launcher/text_utils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  try {
    ParseDescriptor(text);
  } catch (const EDescriptorError&) {
  }
  TRunRecord record;
  if (ParseRunRecord(text, record)) {
    // What reads back is written again the same.
    TRunRecord again;
    if (!ParseRunRecord(FormatRunRecord(record), again) || again.Files.size() != record.Files.size()) __builtin_trap();
  }
  bool value = false;
  TryStrToBool(text, value);
  // The same bytes as arguments (split at zero bytes) and as a registered command.
  std::vector<std::string> args;
  size_t at = 0;
  for (size_t zero; (zero = text.find('\0', at)) != std::string::npos; at = zero + 1)
    args.push_back(text.substr(at, zero - at));
  args.push_back(text.substr(at));
  TLauncherArguments split = SplitArguments(args);
  JoinArguments(split.PassThroughArgs);
  BuildAssociationCommand(text, args.front(), "C:\\windows", "C:\\Program Files");
  CollapseBackslashes(text);
  ReplaceAll(text, "%1", text);
  return 0;
}
