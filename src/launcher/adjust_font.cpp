// Font adjustment (see adjust_font.h).
#include "launcher/adjust_font.h"

#include <windows.h>

#include "framework/form.h"
#include "framework/gdi.h"
#include "framework/path_text.h"

namespace {
const char kNewFont[] = "Segoe UI";

int PlatformMajorVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&info)) return 0;
#pragma GCC diagnostic pop
  return static_cast<int>(info.dwMajorVersion);
}

int CALLBACK FoundFont(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}
}  // namespace

bool ScreenHasFont(const wchar_t* family) {
  WindowDC screen(nullptr);
  if (!screen) return false;
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(lf.lfFaceName, family, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(screen.Get(), &lf, FoundFont, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

bool AdjustFontFor(TFont& font, int platformMajorVersion, bool segoeAvailable) {
  if (platformMajorVersion < 6 || SameTextAscii(font.Name(), kNewFont) || !segoeAvailable)
    return false;
  font.SetSize(font.Size() + 1);
  font.SetName(kNewFont);
  return true;
}

void AdjustFont(TForm& form) {
  int major = PlatformMajorVersion();
  if (major < 6 || SameTextAscii(form.Font().Name(), kNewFont)) return;
  AdjustFontFor(form.Font(), major, ScreenHasFont(L"Segoe UI"));
}
