// TSkinScrollbarH: scroll-bar overlays for a bare window (no framework control), such as
// the always-visible list of a simple combo box: a horizontal and a vertical overlay
// that follow the window's bars, and the square between them in the skin's face colour.
#pragma once
#include "skin/controls/scroll_overlay.h"
#include "skin/controls/skin_control.h"

class TSkinScrollbarH : public TSkinControl {
 public:
  explicit TSkinScrollbarH(TComponent* owner) : TSkinControl(owner) {}
  ~TSkinScrollbarH() override;
  const char* ClassName() const override { return "TSkinScrollbarH"; }

  void InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                      TBitmap* canvas = nullptr) override;
  void Unskin() override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  TWScrollbar* HorzOverlay() const { return horz_; }
  TWScrollbar* VertOverlay() const { return vert_; }

 private:
  void PlaceOverlays();
  void FreeOverlays();

  TWScrollbar* horz_ = nullptr;  // owned (components of this wrapper)
  TWScrollbar* vert_ = nullptr;
};
