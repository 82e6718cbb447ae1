// What the frame painter, the caption buttons and the hit test know about one skinned
// window (Windows only): border kind, show state, caption-button flags, frame widths.
// The window skin fills a TWindowFacts from its window; tests and benchmarks fill one
// by hand and paint without a window.
#pragma once
#include <windows.h>

#include <string>

struct TSkinObjects;

enum TBorderKind { bkSizeable = 0, bkSingle = 1, bkNoCaption = 2, bkDialog = 3 };
enum TShowState { ssNormal = 0, ssMaximised = 1, ssMinimised = 2 };
enum TWindowKind { wkOrdinary = 0, wkMdiFrame = 1, wkMdiChild = 2 };

// Caption-button flags of a window.
constexpr unsigned kHasMaximiseBox = 1;
constexpr unsigned kHasMinimiseBox = 2;
constexpr unsigned kHasSystemMenu = 8;
constexpr unsigned kCaptionBitsRemoved = 0x10;

// The two system classes of dialogs and message boxes.
bool IsSystemDialogClass(const std::string& className);
// Border kind from the styles and the class: no caption, else sizeable, else dialog
// frame (DS_MODALFRAME), else single; a dialog frame whenever the extended style has
// WS_EX_DLGMODALFRAME or the class is a system dialog class.
TBorderKind BorderKindOf(DWORD style, DWORD exStyle, const std::string& className);
// Caption-button flags from the style (the system menu also when one is known).
unsigned ButtonFlagsOf(DWORD style, bool systemMenuKnown);
// The show state of a window from GetWindowPlacement's showCmd.
TShowState ShowStateOfCommand(UINT showCmd);

struct TFrameWidths {
  int left = 0, top = 0, right = 0, bottom = 0;
};
// Widths of the skinned frame: one cell of each border piece (left and right cells side
// by side, top and bottom one above the other); all 0 without a caption.
TFrameWidths FrameWidthsOf(const TSkinObjects& objects, TBorderKind kind);

struct TWindowFacts {
  int width = 0, height = 0;  // the window rectangle's size
  TFrameWidths frame;
  int menuBarHeight = 0;
  TBorderKind borderKind = bkSizeable;
  unsigned buttonFlags = 0;
  TShowState showState = ssNormal;
  TWindowKind windowKind = wkOrdinary;
  bool active = true;
  bool rightToLeft = false;
  bool popup = false;         // WS_POPUP
  bool systemDialog = false;  // class "#32770" or "TMessageForm"
  // An MDI frame whose active child is maximised (Visibility 100 buttons show).
  bool mdiChildMaximised = false;
  std::wstring caption;

  bool Has(unsigned flag) const { return (buttonFlags & flag) != 0; }
  // The client rectangle in window coordinates.
  RECT ClientRect() const {
    return RECT{frame.left, frame.top + menuBarHeight, width - frame.right,
                height - frame.bottom};
  }
};
