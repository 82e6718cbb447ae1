// The platform's text for a Win32 error code (Windows only).
#pragma once
#include <windows.h>

#include <string>

// The system's message for the error, without its line end; "%1" (where the message
// names a file) becomes subject. Falls back to "Error N" when the system has no text.
std::string SystemMessage(DWORD error, const std::string& subject = std::string());
