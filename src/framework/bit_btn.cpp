// TBitBtn (see bit_btn.h).
#include "framework/bit_btn.h"

#include "framework/image_list.h"

const std::vector<std::string>& ButtonLayoutNames() {
  static const std::vector<std::string> names{"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                              "blGlyphBottom"};
  return names;
}

void TBitBtn::DefineProperties(TPropList& list) const {
  TButton::DefineProperties(list);
  list.Object<TBitBtn>("Glyph", [](TBitBtn& b) -> TPersistent* { return &b.Glyph; });
  list.Integer<TBitBtn>("NumGlyphs", [](TBitBtn& b) -> int64_t { return b.NumGlyphs; },
                        [](TBitBtn& b, int64_t v) {
                          b.NumGlyphs = v < 1 ? 1 : v > 4 ? 4 : static_cast<int>(v);
                          b.Invalidate();
                        });
  list.Enumeration<TBitBtn>("Layout", ButtonLayoutNames(),
                            [](TBitBtn& b) -> int64_t { return b.Layout; },
                            [](TBitBtn& b, int64_t v) {
                              b.Layout = static_cast<TButtonLayout>(v);
                              b.Invalidate();
                            });
  list.Integer<TBitBtn>("Margin", [](TBitBtn& b) -> int64_t { return b.Margin; },
                        [](TBitBtn& b, int64_t v) { b.Margin = static_cast<int>(v); });
  list.Integer<TBitBtn>("Spacing", [](TBitBtn& b) -> int64_t { return b.Spacing; },
                        [](TBitBtn& b, int64_t v) { b.Spacing = static_cast<int>(v); });
  list.Object<TBitBtn>("Images", [](TBitBtn& b) -> TPersistent* { return b.Images; });
  list.Integer<TBitBtn>("ImageIndex", [](TBitBtn& b) -> int64_t { return b.ImageIndex; },
                        [](TBitBtn& b, int64_t v) { b.ImageIndex = static_cast<int>(v); });
  list.Integer<TBitBtn>("DisabledIndex", [](TBitBtn& b) -> int64_t { return b.DisabledIndex; },
                        [](TBitBtn& b, int64_t v) { b.DisabledIndex = static_cast<int>(v); });
}
