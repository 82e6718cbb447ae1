// Scroll-bar wrappers: overlays (TWScrollbar) over the bars of the wrapped control.
//   TSkinScrollbar  framework controls with window scroll bars (memos, lists, scroll
//                   boxes): a horizontal and a vertical overlay, and a two-pixel skinned
//                   border in the non-client area when the control has a border
//   TSkinListView   list views: the same, and a TSkinHeader on the column header
//   TSkinScControl  scroll-bar controls: one overlay over the whole control
//   TSkinSizer      size grips: filled with the skin's face colour
#pragma once
#include "skin/controls/scroll_overlay.h"
#include "skin/controls/skin_control.h"

class TSkinScrollbar : public TSkinControl {
 public:
  explicit TSkinScrollbar(TComponent* owner) : TSkinControl(owner) {}
  ~TSkinScrollbar() override;
  const char* ClassName() const override { return "TSkinScrollbar"; }

  // Attaches to a framework control with window scroll bars (the control should own
  // the wrapper). Kind 1 (set before) is the single mode: no border.
  virtual void InitScrollbar(TControl* control, TSkinData* skinData, TSkinControlList* windowSkin,
                             TBitmap* canvas = nullptr);
  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void Unskin() override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  TWScrollbar* HorzOverlay() const { return horz_; }
  TWScrollbar* VertOverlay() const { return vert_; }
  bool HasBorder() const { return border_; }

 protected:
  void PlaceOverlays();
  void HideOverlays();
  void FreeOverlays();
  void DrawBorder(HDC windowDc);

  TWScrollbar* horz_ = nullptr;  // owned (components of this wrapper)
  TWScrollbar* vert_ = nullptr;
  bool border_ = false;
};

class TSkinListView : public TSkinScrollbar {
 public:
  explicit TSkinListView(TComponent* owner) : TSkinScrollbar(owner) {}
  const char* ClassName() const override { return "TSkinListView"; }
  // The overlays, then a TSkinHeader on the list view's column header window.
  void InitScrollbar(TControl* control, TSkinData* skinData, TSkinControlList* windowSkin,
                     TBitmap* canvas = nullptr) override;
  // The list view's column header window, or null.
  HWND HeaderWindow() const;
  // The column header's wrapper (owned by this wrapper, so it goes with it), or null.
  TSkinControl* Header() const { return header_; }

 private:
  TSkinControl* header_ = nullptr;
};

class TSkinScControl : public TSkinControl {
 public:
  explicit TSkinScControl(TComponent* owner) : TSkinControl(owner) {}
  ~TSkinScControl() override;
  const char* ClassName() const override { return "TSkinScControl"; }

  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void Unskin() override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  TWScrollbar* Overlay() const { return overlay_; }

 private:
  void FreeOverlay();
  TWScrollbar* overlay_ = nullptr;
};

class TSkinSizer : public TSkinControl {
 public:
  explicit TSkinSizer(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinSizer"; }
  void DrawControl(HDC dc, const RECT& rect) override { FillFace(dc, rect); }
};
