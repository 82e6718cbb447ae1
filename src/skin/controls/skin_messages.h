// The private window messages of the skin engine (fixed decimal values) and the reply
// value of the framework-level queries, shared by the control wrappers and the form
// skinning layer above them.
#pragma once
#include <windows.h>

namespace skinmsg {
constexpr UINT kRepaintFrame = 13570;     // to a window: repaint the skinned frame
constexpr UINT kSkinInit = 13571;         // manager to window, posted, lParam 1000
// wParam > 0 switches a control's wrapper on (and repaints), otherwise off.
constexpr UINT kControlSkinSwitch = 13574;
constexpr UINT kCustomButton = 13588;     // posted, wParam = caption button Action
constexpr UINT kButtonVisibility = 13589; // sent, wParam = Visibility, lParam = Action
constexpr UINT kRedrawMdiFrame = 13590;   // to the MDI client, posted, wParam = frame window
// Posted to a window skin's window: replace the scroll-bar wrapper of window wParam.
constexpr UINT kReplaceScrollBar = 13591;
constexpr UINT kOpenMenuAt = 13592;
// Sent; a reply of 1: skinned (never given a second wrapper), or refuses skinning.
constexpr UINT kQuerySkinned = 13603;
constexpr UINT kReapply = 13313;          // to a skinned framework form
// wParam a device context, lParam kMagic: the control paints itself into it and
// answers kMagic.
constexpr UINT kPaintInto = 48202;
// wParam a device context, lParam kMagic: a skinned window or control paints its
// skinned frame (border) into it and answers kMagic.
constexpr UINT kPaintFrameTo = 48203;
constexpr UINT kIsSkinned = 48205;        // replies kMagic when lParam is kMagic, else 1
constexpr UINT kSkinnedNotify = 48206;    // sent after (re)applying, wParam 0, lParam kMagic
constexpr LPARAM kMagic = 16802;
constexpr LPARAM kSkinInitParam = 1000;

constexpr UINT kUndocumentedCaption = 0xAE;  // a non-client caption message, swallowed
constexpr UINT kMenuChanged = 0xB015;        // the framework's CM_MENUCHANGED
}  // namespace skinmsg
