// The platform's text for a Win32 error code (see system_message.h).
#include "launcher/system_message.h"

#include "framework/wide.h"
#include "launcher/text_utils.h"

std::string SystemMessage(DWORD error, const std::string& subject) {
  wchar_t* buffer = nullptr;
  DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                    FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  std::string text;
  if (length > 0 && buffer) text = Narrow(std::wstring(buffer, length));
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
    text.pop_back();
  if (text.empty()) return "Error " + std::to_string(error);
  return ReplaceAll(text, "%1", subject);
}
