// Descriptor parsing (see descriptor.h).
#include "launcher/descriptor.h"

#include <vector>

#include "launcher/text_utils.h"

TDescriptor ParseDescriptor(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (size_t i = 0; i < text.size() && lines.size() < 5; ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.push_back(line);
      line.clear();
      open = false;
    } else {
      line += c;
      open = true;
    }
  }
  if (open && lines.size() < 5) lines.push_back(line);

  TDescriptor descriptor;
  if (lines.size() >= 4) descriptor.MainEntryName = lines[3];
  if (lines.size() >= 5 && !TryStrToBool(lines[4], descriptor.KeepInUserFolder))
    throw EDescriptorError(Joined({"'", lines[4], "' is not a valid boolean value"}));
  return descriptor;
}
