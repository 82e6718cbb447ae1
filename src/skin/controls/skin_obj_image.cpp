// TSkinObjImage (see skin_obj_image.h).
#include "skin/controls/skin_obj_image.h"

#include <algorithm>
#include <string>
#include <vector>

#include "framework/bitmap_object.h"
#include "framework/path_text.h"
#include "framework/win_control.h"
#include "skin/data/skin_data.h"

namespace {
constexpr TColor kMagenta = 0xFF00FF;  // the transparent key (0xBBGGRR reads the same)
constexpr int kEmpty = -1;             // a frame left transparent

// Source frames (0-based, kEmpty for none) of each built strip.
std::vector<int> FrameOrder(int imageKind, int sourceFrames) {
  const int x = sourceFrames == 5 ? 4 : kEmpty;
  switch (imageKind) {
    case 2: return {0, 1, 0, 1, 2, 3};
    case 3: return {0, 1, x, 0, 1, x};
    default: return {0, 1, x, 0, 1, x, 2, 3, x};
  }
}

TBitmapObject* BitmapProp(TPersistent* object, const char* name) {
  return dynamic_cast<TBitmapObject*>(GetObjectProp(object, name));
}

TBitmapObject* PropertiesGlyph(TControl* control) {
  return BitmapProp(GetObjectProp(control, "Properties"), "Glyph");
}
}  // namespace

TBitmap TSkinObjImage::BuildStrip(const TSkinData* skinData, int imageKind) {
  TBitmap strip;
  if (!skinData || !skinData->Objects.Buttons) return strip;
  const TDataSkinButton& buttons = *skinData->Objects.Buttons;
  const TBitmap& source = imageKind == 2 ? buttons.RadioButton : buttons.CheckButton;
  const int frames = std::max(1, imageKind == 2 ? buttons.RadioButtonFrame : buttons.CheckButtonFrame);
  const int w = source.Width() / frames, h = source.Height();
  if (source.Empty() || w <= 0 || h <= 0) return strip;
  const std::vector<int> order = FrameOrder(imageKind, frames);
  if (!strip.SetSize(w * static_cast<int>(order.size()), h)) return strip;
  strip.Fill(kMagenta);
  for (size_t i = 0; i < order.size(); ++i) {
    if (order[i] == kEmpty || order[i] >= frames) continue;
    BitBlt(strip.Canvas(), static_cast<int>(i) * w, 0, w, h, source.Canvas(), order[i] * w, 0,
           SRCCOPY);
  }
  GdiFlush();
  return strip;
}

void TSkinObjImage::InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool,
                             TBitmap* canvas) {
  auto* control = dynamic_cast<TControl*>(Owner());
  if (attached_ || !control) return;
  skinData_ = skinData;
  canvas_ = canvas;
  control_ = control;
  if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->HandleAllocated())
    handle_ = windowed->Handle();
  JoinWindowSkin(windowSkin);
  if (ImageKind == 0) {
    if (PropertiesGlyph(control)) ImageKind = 3;
    else if (LowerAscii(control->ClassName()).find("radio") != std::string::npos) ImageKind = 2;
    else ImageKind = 1;
  }
  GiveStrip();
  attached_ = true;
  state_ = kStateAttached;
}

void TSkinObjImage::GiveStrip() {
  TBitmap strip = BuildStrip(skinData_, ImageKind);
  if (strip.Empty()) return;
  if (ImageKind == 3) {
    if (TBitmapObject* glyph = PropertiesGlyph(control_)) glyph->Bitmap.Assign(strip);
  } else if (TBitmapObject* glyphs = BitmapProp(control_, "CustomGlyphs")) {
    glyphs->Bitmap.Assign(strip);
    SetPropText(control_, "transparentcolor", std::to_string(kMagenta));
    // Off and on again: the control takes the new glyphs.
    SetPropText(control_, "UseCustomGlyphs", "false");
    SetPropText(control_, "UseCustomGlyphs", "true");
  }
  if (control_) control_->Invalidate();
}

void TSkinObjImage::Unskin() {
  if (!control_) return;
  if (ImageKind == 3) {
    if (TBitmapObject* glyph = PropertiesGlyph(control_)) glyph->Bitmap.Clear();
  } else {
    SetPropText(control_, "UseCustomGlyphs", "false");
  }
  control_->Invalidate();
}

void TSkinObjImage::SkinChanged() { GiveStrip(); }
