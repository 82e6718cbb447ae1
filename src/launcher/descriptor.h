// The payload descriptor app.data (portable): text lines; line 4 names the main entry,
// line 5 says whether the per-user folder is the work folder.
#pragma once
#include <stdexcept>
#include <string>

struct TDescriptor {
  std::string MainEntryName;
  bool KeepInUserFolder = false;
};

class EDescriptorError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Lines end in CR LF (a lone LF or CR is taken as a line end too); lines after the
// fifth are ignored and missing ones leave their field as it is. Throws
// EDescriptorError when line 5 is not a Boolean text.
TDescriptor ParseDescriptor(const std::string& text);
