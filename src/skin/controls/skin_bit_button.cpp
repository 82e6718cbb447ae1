// TSkinBitButton, TSkinSpeedButton (see skin_bit_button.h).
#include "skin/controls/skin_bit_button.h"

#include "framework/bitmap_object.h"
#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "framework/image_list.h"
#include "framework/path_text.h"
#include "skin/controls/glyph_layout.h"
#include "skin/controls/skin_text.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"

namespace {
TButtonLayout LayoutOf(TControl* control) {
  std::string name = GetEnumProp(control, "Layout");
  for (size_t i = 0; i < ButtonLayoutNames().size(); ++i)
    if (SameTextAscii(name, ButtonLayoutNames()[i])) return static_cast<TButtonLayout>(i);
  return blGlyphLeft;
}

int IntPropOr(TControl* control, const char* name, int fallback) {
  if (!control || !control->Properties().Find(name)) return fallback;
  return static_cast<int>(GetIntProp(control, name));
}
}  // namespace

void TSkinBitButton::DrawGlyphAndCaption(HDC face, const RECT& rect, int state, int glyphFrame) {
  TControl* control = control_ ? control_ : graphicControl_;
  // The picture: a named picture property, the glyph strip, or an image-list image.
  const TBitmap* strip = nullptr;
  int frames = 1;
  TImageList* images = nullptr;
  int imageIndex = -1;
  if (!ImageProperty.empty()) {
    if (auto* picture = dynamic_cast<TBitmapObject*>(GetObjectProp(control, ImageProperty)))
      if (!picture->Empty()) strip = &picture->Bitmap;
  } else if (auto* glyph = dynamic_cast<TBitmapObject*>(GetObjectProp(control, "Glyph"));
             glyph && !glyph->Empty()) {
    strip = &glyph->Bitmap;
    frames = std::max(1, IntPropOr(control, "NumGlyphs", 1));
  } else if ((images = dynamic_cast<TImageList*>(GetObjectProp(control, "Images")))) {
    imageIndex = IntPropOr(control, "ImageIndex", -1);
    int disabledIndex = IntPropOr(control, "DisabledIndex", -1);
    if (state == kFaceDisabled && disabledIndex >= 0) imageIndex = disabledIndex;
    if (imageIndex < 0 || imageIndex >= images->Count()) images = nullptr;
  }
  SIZE glyphSize{0, 0};
  if (strip) glyphSize = SIZE{strip->Width() / frames, strip->Height()};
  if (images) glyphSize = SIZE{images->Width(), images->Height()};

  std::wstring text = ExpandLineBreaks(caption_);
  SelectGuard font(face, ControlFont(control, handle_));
  bool centred = SameTextAscii(GetEnumProp(control, "Alignment"), "taCenter");
  TGlyphPlacement place = PlaceGlyph(face, rect, glyphSize, text, LayoutOf(control),
                                     IntPropOr(control, "Margin", -1),
                                     IntPropOr(control, "Spacing", 4), centred);
  if (strip) {
    if (glyphFrame > frames) glyphFrame = 1;
    DrawGlyphFrame(face, place.glyph, *strip, frames, glyphFrame, state == kFaceDisabled);
  } else if (images) {
    images->Draw(face, place.glyph.left, place.glyph.top, imageIndex, true);
  }
  SetTextColor(face, ColorToRGB(ButtonTextColour(skinData_, state, state != kFaceDisabled,
                                                 ControlFontColour(control))));
  SetBkMode(face, TRANSPARENT);
  RECT textRect = place.text;
  DrawTextW(face, text.c_str(), static_cast<int>(text.size()), &textRect, place.textFlags | DT_NOCLIP);
  DrawFocus(face, place.text);
}

void TSkinBitButton::DrawFaceContent(HDC face, const RECT& rect, int state) {
  DrawGlyphAndCaption(face, rect, state, ButtonGlyphFrame(state, false));
}

// ---- TSkinSpeedButton ----

void TSkinSpeedButton::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool,
                                TBitmap* canvas) {
  if (attached_) return;
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control) return;
  graphicControl_ = control;
  skinData_ = skinData;
  canvas_ = canvas;
  TakeMessageMethod(control);
  JoinWindowSkin(windowSkin);
  parentBackground_ = control->Tag == 5555 || (skinData && HasOption(skinData->Options, xoTransparent));
  attached_ = true;
  state_ = kStateAttached;
  control->Invalidate();
}

int TSkinSpeedButton::FaceState() const {
  TControl* c = graphicControl_;
  // A button held down shows pressed even when disabled.
  if (SameTextAscii(GetEnumProp(c, "Down"), "True")) return kFacePressed;
  return ChooseButtonFace(c && !c->Enabled(), mouseState_ & kPressed, mouseState_ & kHot, false);
}

bool TSkinSpeedButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (!m.WParam || !HasFace()) return true;
      if (graphicControl_)
        DrawControl(reinterpret_cast<HDC>(m.WParam),
                    RECT{0, 0, graphicControl_->Width(), graphicControl_->Height()});
      m.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallDefault(m);
      mouseState_ |= kPressed;
      Repaint();
      return false;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam == VK_SPACE) {
        if (m.Msg == WM_KEYDOWN) mouseState_ |= kPressed; else mouseState_ &= ~kPressed;
        Repaint();
      }
      return true;
    case CM_MOUSEENTER:
      mouseState_ |= kHot;
      Repaint();
      return true;
    case CM_MOUSELEAVE:
      mouseState_ &= ~(kHot | kPressed);
      if (graphicControl_ && graphicControl_->Visible()) Repaint();
      return true;
    case WM_NCDESTROY:
    case CM_BUTTONPRESSED:
      return true;
    default:
      return true;
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& m) {
  if (m.Msg == WM_LBUTTONUP) {
    mouseState_ &= ~kPressed;
    Repaint();
  }
}

void TSkinSpeedButton::DrawControl(HDC dc, const RECT& rect) {
  if (painting_ || !HasFace() || !graphicControl_) return;
  painting_ = true;
  try {
    TControl* c = graphicControl_;
    caption_ = ControlCaption(c, nullptr);
    focused_ = false;
    int state = FaceState();
    bool flat = SameTextAscii(GetEnumProp(c, "Flat"), "True");
    bool down = SameTextAscii(GetEnumProp(c, "Down"), "True");
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    HDC face = nullptr;
    if (state == kFacePressed || state == kFaceHot || !flat) {
      face = BeginFace(rect, state);
    } else if ((face_.Width() == w && face_.Height() == h) || face_.SetSize(w, h)) {
      // A flat button at rest shows only its background.
      face = face_.Canvas();
      if (parentBackground_)
        PaintParentBackground(c, face);
      else
        FillFace(face, rect);
    }
    if (face) {
      DrawGlyphAndCaption(face, rect, state, ButtonGlyphFrame(state, down));
      BitBlt(dc, rect.left, rect.top, w, h, face, 0, 0, SRCCOPY);
    }
  } catch (...) {
  }
  painting_ = false;
}
