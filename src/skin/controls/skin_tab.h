// Tab-control wrappers (tab controls and page controls on the system tab class).
//   TSkinTab     paints the tab strip from the skin's Tabs object (cell 1, the selected
//                tab cell 2) and the pane from its Border image (or Tab.Pane), on any
//                side: bottom tabs use flipped images, left and right tabs are composed
//                lying down and turned. The tab control's scroll arrows get a
//                TSkinUpDown and the strip is never copied over them.
//   TSkinTabBtn  button-style tabs (top only): each tab a face of the Buttons object
#pragma once
#include <vector>

#include "framework/bitmap.h"
#include "skin/controls/skin_control.h"

class TSkinUpDown;

class TSkinTab : public TSkinControl {
 public:
  // Values of Position().
  static constexpr int kTop = 0, kBottom = 1, kLeft = 2, kRight = 3;

  explicit TSkinTab(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinTab"; }

  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                      TBitmap* canvas = nullptr) override;
  void SkinChanged() override;
  bool BeforeMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  int Position() const { return position_; }
  // The tab rectangles as last drawn (window coordinates; empty for a skipped tab).
  const std::vector<RECT>& TabRects() const { return tabRects_; }
  // The wrapper of the tab control's scroll arrows, or null.
  TSkinUpDown* ScrollArrows() const { return arrows_; }
  // The rectangle of the pane as last drawn (window coordinates).
  RECT PaneRect() const { return pane_; }

 protected:
  // The tab at r of the strip in its state (1 normal, 2 selected).
  virtual void DrawItemFace(HDC strip, const RECT& r, int state);
  virtual TColor ItemTextColour(int state) const;
  // The tab position the strip is composed for.
  virtual int DrawnPosition() const { return position_; }
  // Whether the skin has what the strip is drawn from (the Tabs image).
  virtual bool CanDraw() const;
  virtual bool DrawsPane() const { return true; }
  // Wraps the scroll-arrow child when there is one; true while it is visible.
  bool FindScrollArrows();

 private:
  void AttachTab();
  void PrepareImages();
  RECT PaneFor(const RECT& window) const;

  std::vector<RECT> tabRects_;
  int position_ = kTop;
  TBitmap tabImage_;
  TBitmap paneImage_;
  TBitmap strip_;
  TSkinUpDown* arrows_ = nullptr;  // owned (a component of this wrapper)
  RECT pane_{};
};

class TSkinTabBtn : public TSkinTab {
 public:
  explicit TSkinTabBtn(TComponent* owner) : TSkinTab(owner) {}
  const char* ClassName() const override { return "TSkinTabBtn"; }
  void DrawControl(HDC dc, const RECT& rect) override;

 protected:
  void DrawItemFace(HDC strip, const RECT& r, int state) override;
  TColor ItemTextColour(int state) const override;
  int DrawnPosition() const override { return kTop; }
  bool CanDraw() const override;
  bool DrawsPane() const override { return false; }
};
