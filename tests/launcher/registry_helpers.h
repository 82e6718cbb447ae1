// A file type registered in the classes root for one test (HKLM\Software\Classes,
// which is what Wine shows as the classes root), removed again by the destructor.
#pragma once
#include <windows.h>

#include <string>

#include "framework/wide.h"

namespace qmtest {
class TestFileType {
 public:
  // extension like ".qmdoc"; the "open" command is stored as text.
  TestFileType(const std::string& extension, const std::string& typeName, const std::string& command)
      : extension_(extension), typeName_(typeName) {
    SetDefault("Software\\Classes\\" + extension, typeName);
    SetDefault("Software\\Classes\\" + typeName + "\\shell\\open\\command", command);
  }
  // The same with a DWORD as the command's default value (not text).
  TestFileType(const std::string& extension, const std::string& typeName, DWORD command)
      : extension_(extension), typeName_(typeName) {
    SetDefault("Software\\Classes\\" + extension, typeName);
    HKEY key = nullptr;
    std::wstring path = Widen("Software\\Classes\\" + typeName + "\\shell\\open\\command");
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
      RegSetValueExW(key, nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&command), sizeof(command));
      RegCloseKey(key);
    }
  }
  ~TestFileType() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, Widen("Software\\Classes\\" + extension_).c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, Widen("Software\\Classes\\" + typeName_).c_str());
  }
  TestFileType(const TestFileType&) = delete;
  TestFileType& operator=(const TestFileType&) = delete;

 private:
  static void SetDefault(const std::string& keyPath, const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Widen(keyPath).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
      return;
    std::wstring text = Widen(value);
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
  std::string extension_;
  std::string typeName_;
};
}  // namespace qmtest
