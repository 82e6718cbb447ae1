// TBitBtn: a push button with a picture, either a glyph bitmap of NumGlyphs frames
// (normal, disabled, pressed, down) or an image of an image list. The picture is
// published for the skin to lay out; the unskinned button shows the system face.
// TButtonLayout: where a button's picture sits against its caption.
#pragma once
#include <string>
#include <vector>

#include "framework/bitmap_object.h"
#include "framework/buttons.h"

class TImageList;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
const std::vector<std::string>& ButtonLayoutNames();

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner) : TButton(owner) {}
  const char* ClassName() const override { return "TBitBtn"; }
  void DefineProperties(TPropList& list) const override;

  TBitmapObject Glyph;
  int NumGlyphs = 1;
  TButtonLayout Layout = blGlyphLeft;
  int Margin = -1;   // -1: automatic
  int Spacing = 4;   // -1: automatic
  TImageList* Images = nullptr;  // borrowed
  int ImageIndex = -1;
  int DisabledIndex = -1;
};
