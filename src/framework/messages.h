// The message record that a control's message method receives, the method type, and
// the framework's own notification numbers (sent to controls through Perform).
#pragma once
#include <windows.h>

#include <functional>

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// A control's replaceable message method: whoever replaces it keeps the previous one
// and passes on what it does not consume.
using TWndMethod = std::function<void(TMessage&)>;

// Framework notifications (never reach a window procedure unless sent by Perform).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;  // wParam: the new visibility
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
constexpr UINT CM_COLORCHANGED = CM_BASE + 0x0D;
constexpr UINT CM_FONTCHANGED = CM_BASE + 0x0E;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;
constexpr UINT CM_DIALOGKEY = CM_BASE + 0x05;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x07;
constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;  // windowless controls: the mouse came in
constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;  // and went out
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 0x21;
constexpr UINT CM_RECREATEWND = CM_BASE + 0x33;

// Notifications a parent window reflects back to the child control that sent them
// (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM of owner-drawn controls and scroll-bar control
// messages), as CN_BASE + the message.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
// A form's key with Alt (wParam: the character, lParam: the key data); Result 1 when
// handled.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x06;
// A form's main menu changed (items added, removed or changed).
constexpr UINT CM_MENUCHANGED = CM_BASE + 0x34;
