// Date-time picker wrapper.
//   TSkinDateTime  frames a picker with a border in ButtonShadow with a white line inside,
//                  and lays a TArrowButton over its drop-down button (a picker that
//                  steps with an up-down, DTS_UPDOWN, has its up-down skinned instead)
//   TArrowButton   a small windowed control inside the picker: the ComboxArrow cell
//                  (normal, or hot while the mouse is over it and the picker is enabled);
//                  a press is handed to the picker's own button, so the calendar opens
#pragma once
#include "framework/win_control.h"
#include "skin/controls/skin_control.h"

class TSkinDateTime;

class TArrowButton : public TWinControl {
 public:
  TArrowButton(TSkinDateTime* wrapper, TWinControl* picker);
  const char* ClassName() const override { return "TArrowButton"; }
  bool Hot() const { return hot_; }

 protected:
  bool HandleMessage(TMessage& message) override;
  void PaintWindow(HDC dc) override;
  void PaintBackground(HDC) override {}

 private:
  bool PickerEnabled() const;

  TSkinDateTime* wrapper_;
  TWinControl* picker_;
  HWND pickerWindow_;
  int arrowSize_;
  bool hot_ = false;
};

class TSkinDateTime : public TSkinControl {
 public:
  explicit TSkinDateTime(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinDateTime"; }

  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  TArrowButton* ArrowButton() const { return arrow_; }

 private:
  TArrowButton* arrow_ = nullptr;  // owned (a component of this wrapper)
};
