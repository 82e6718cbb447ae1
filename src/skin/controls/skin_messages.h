// Private window messages of the skin engine that control wrappers answer or send.
#pragma once
#include <windows.h>

// Answered with 1 by a skinned control: it is never given a second wrapper.
constexpr UINT kQuerySkinnedMessage = 13603;
// wParam > 0 switches a control's wrapper on (and repaints), otherwise off.
constexpr UINT kControlSkinSwitchMessage = 13574;
// Posted to a window skin's window: replace the scroll-bar wrapper of window wParam.
constexpr UINT kReplaceScrollbarMessage = 13591;
// wParam a device context, lParam kSkinPaintMagic: the control paints itself into it;
// the answer is kSkinPaintMagic.
constexpr UINT kPaintIntoDcMessage = 48202;
// Asks a skinned control to paint its skinned border into the DC in wParam; lParam
// and the answer are kSkinPaintMagic.
constexpr UINT kSkinPaintMessage = 48203;
constexpr LPARAM kSkinPaintMagic = 16802;
