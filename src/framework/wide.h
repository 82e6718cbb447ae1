// UTF-8 <-> UTF-16 conversion for the Win32 wide-character calls, and a window's text
// as UTF-8 (Windows only).
#pragma once
#include <windows.h>

#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

// The text the window holds now, as UTF-16 and as UTF-8.
std::wstring WideWindowText(HWND window);
std::string WindowText(HWND window);
