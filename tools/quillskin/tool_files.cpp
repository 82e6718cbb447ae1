// File helpers of quillskin.
#include "tool_files.h"

#include <stdexcept>

#include "framework/file_system.h"
#include "framework/path_text.h"
#include "framework/stream.h"

std::vector<uint8_t> ReadWholeFile(const std::string& path, int64_t max_size) {
  TFileStream file(path, FileMode::Read);
  int64_t size = file.Size();
  if (size < 0) throw std::runtime_error("Cannot read \"" + path + "\"");
  if (size > max_size) {
    throw std::runtime_error("\"" + path + "\" is " + std::to_string(size) +
                             " bytes, more than a skin can hold (" + std::to_string(max_size) +
                             ")");
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (size > 0) file.ReadBuffer(bytes.data(), bytes.size());
  return bytes;
}

void WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string partial = path + ".partial";
  try {
    TFileStream file(partial, FileMode::Create);
    if (!bytes.empty()) file.Write(bytes.data(), bytes.size());
  } catch (const EStreamError&) {
    fsys::RemoveFile(partial);
    throw std::runtime_error("Cannot write \"" + path + "\"");
  }
  if (!fsys::MoveReplace(partial, path)) {
    fsys::RemoveFile(partial);
    throw std::runtime_error("Cannot replace \"" + path + "\"");
  }
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  char last = folder.back();
  if (last == '/' || last == '\\') return folder + name;
  return folder + fsys::Separator() + name;
}

namespace {
bool IsValidUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int extra;
    uint32_t cp, min;
    if ((c & 0xE0) == 0xC0) {
      extra = 1, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, cp = c & 0x07, min = 0x10000;
    } else {
      return false;
    }
    if (s.size() - i <= static_cast<size_t>(extra)) return false;
    for (int k = 1; k <= extra; ++k) {
      unsigned char b = static_cast<unsigned char>(s[i + k]);
      if ((b & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += 1 + extra;
  }
  return true;
}
}  // namespace

bool IsSafeEntryFileName(const std::string& name, std::string& reason) {
  if (name.empty()) {
    reason = "the name is empty";
    return false;
  }
  if (name.size() > 255) {
    reason = "the name is longer than 255 bytes";
    return false;
  }
  if (name == "." || name == "..") {
    reason = "the name is a folder reference";
    return false;
  }
  for (char ch : name) {
    unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) {
      reason = "the name holds a control character";
      return false;
    }
    if (std::string("/\\:*?\"<>|").find(ch) != std::string::npos) {
      reason = std::string("the name holds the character '") + ch + "'";
      return false;
    }
  }
  if (name.back() == '.' || name.back() == ' ') {
    reason = "the name ends in a dot or a blank";
    return false;
  }
  if (!IsValidUtf8(name)) {
    reason = "the name is not UTF-8 text";
    return false;
  }
  std::string base = UpperAscii(name.substr(0, name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  bool device = false;
  for (const char* d : kDevices) device = device || base == d;
  if (base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
      base[3] >= '0' && base[3] <= '9') {
    device = true;
  }
  if (device) {
    reason = "the name is a Windows device name";
    return false;
  }
  return true;
}
