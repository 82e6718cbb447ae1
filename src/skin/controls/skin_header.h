// TSkinHeader: header controls (column captions, also a list view's column header)
// drawn from the skin's Headerbar object: each item in cell 1 (cell 2 while the mouse is
// over it), its caption and image placed by the item's alignment, the space right of the
// last item in cell 1; composed off-screen and copied in one call.
#pragma once
#include <vector>

#include "framework/bitmap.h"
#include "skin/controls/skin_control.h"

class TSkinHeader : public TSkinControl {
 public:
  explicit TSkinHeader(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinHeader"; }

  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                      TBitmap* canvas = nullptr) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  int HotItem() const { return hot_; }

 private:
  bool HasHeaderbar() const;
  int ItemAt(POINT point) const;
  void DrawItem(HDC dc, int index, const RECT& itemRect);

  std::vector<RECT> itemRects_;  // as last drawn, narrowed by 3 pixels on each side
  int hot_ = -1;
  TBitmap buffer_;
};
