// Border kind, caption-button flags, show state and frame widths (see window_facts.h).
#include "skin/forms/window_facts.h"

#include "skin/data/skin_object_set.h"

bool IsSystemDialogClass(const std::string& className) {
  return className == "#32770" || className == "TMessageForm";
}

TBorderKind BorderKindOf(DWORD style, DWORD exStyle, const std::string& className) {
  TBorderKind kind;
  if ((style & WS_CAPTION) != WS_CAPTION) {
    kind = bkNoCaption;
  } else if (style & WS_THICKFRAME) {
    kind = bkSizeable;
  } else if (style & DS_MODALFRAME) {
    kind = bkDialog;
  } else {
    kind = bkSingle;
  }
  if (kind != bkNoCaption &&
      ((exStyle & WS_EX_DLGMODALFRAME) || IsSystemDialogClass(className))) {
    kind = bkDialog;
  }
  return kind;
}

unsigned ButtonFlagsOf(DWORD style, bool systemMenuKnown) {
  unsigned flags = 0;
  if ((style & WS_SYSMENU) || systemMenuKnown) flags |= kHasSystemMenu;
  if (style & WS_MINIMIZEBOX) flags |= kHasMinimiseBox;
  if (style & WS_MAXIMIZEBOX) flags |= kHasMaximiseBox;
  return flags;
}

TShowState ShowStateOfCommand(UINT showCmd) {
  switch (showCmd) {
    case SW_SHOWMAXIMIZED:
      return ssMaximised;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      return ssMinimised;
    default:
      return ssNormal;
  }
}

namespace {
int Cells(const TDataSkinObject* piece) { return piece && piece->Frame > 0 ? piece->Frame : 1; }
}  // namespace

TFrameWidths FrameWidthsOf(const TSkinObjects& objects, TBorderKind kind) {
  TFrameWidths w;
  if (kind == bkNoCaption) return w;
  if (objects.Left) w.left = objects.Left->Image.Width() / Cells(objects.Left.get());
  if (objects.Right) w.right = objects.Right->Image.Width() / Cells(objects.Right.get());
  if (objects.Top) w.top = objects.Top->Image.Height() / Cells(objects.Top.get());
  if (objects.Bottom) w.bottom = objects.Bottom->Image.Height() / Cells(objects.Bottom.get());
  return w;
}
