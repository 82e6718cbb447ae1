// UTF-8 <-> UTF-16 conversion for the Win32 wide-character calls (Windows only).
#pragma once
#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
