// TBitmapObject: a bitmap published as an object property (a button's Glyph), so
// that code which reads properties by name can reach it.
#pragma once
#include "framework/bitmap.h"
#include "framework/properties.h"

class TBitmapObject : public TPersistent {
 public:
  const char* ClassName() const override { return "TBitmap"; }
  void DefineProperties(TPropList& list) const override {
    list.Integer<TBitmapObject>("Width", [](TBitmapObject& b) -> int64_t { return b.Bitmap.Width(); });
    list.Integer<TBitmapObject>("Height", [](TBitmapObject& b) -> int64_t { return b.Bitmap.Height(); });
  }
  bool Empty() const { return Bitmap.Empty(); }

  TBitmap Bitmap;
};
