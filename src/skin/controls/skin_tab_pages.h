// Wrappers of tab sets, tab sheets and foreign page controls.
//   TSkinTab31      old-style tab sets (TTabSet): the tabs from the first visible one
//                   on, each a Tabs cell (2 for the selected tab) with its caption
//   TSkinTabSheet   tab sheets: the page filled with the skin's face colour
//   TSkinAdvPage    page controls of other libraries that take tab backgrounds as
//                   bitmap properties ("TabBackGround", "TabBackGroundActive"): with
//                   Kind 4 it renders both from Tabs; its scroll arrows get a
//                   TSkinUpDown
#pragma once
#include <memory>

#include "framework/bitmap.h"
#include "framework/bitmap_object.h"
#include "skin/controls/skin_control.h"

class TSkinUpDown;

class TSkinTab31 : public TSkinControl {
 public:
  explicit TSkinTab31(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinTab31"; }
  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void SkinChanged() override;
  bool BeforeMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  bool CanDraw() const;
  TBitmap tabs_;  // a copy of the Tabs image
  TBitmap work_;
};

class TSkinTabSheet : public TSkinControl {
 public:
  explicit TSkinTabSheet(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinTabSheet"; }
  bool BeforeMessage(TMessage& message) override;

 private:
  void PaintSheet(HDC dc);
};

class TSkinAdvPage : public TSkinControl {
 public:
  static constexpr int kSkinnedBackgrounds = 4;  // the tab style that takes backgrounds

  explicit TSkinAdvPage(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinAdvPage"; }
  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void SkinChanged() override;
  void Unskin() override;
  void DrawControl(HDC dc, const RECT& rect) override;
  TSkinUpDown* ScrollArrows() const { return arrows_; }

 private:
  // Renders both tab backgrounds and hands them to the control's properties.
  void AssignBackgrounds();
  TBitmapObject background_;
  TBitmapObject activeBackground_;
  TSkinUpDown* arrows_ = nullptr;  // owned (a component of this wrapper)
};
