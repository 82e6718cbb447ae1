// Media-player wrappers.
//   TWMediaPlayer  a window laid over a media-player control with the control's size:
//                  draws the visible buttons of the control's "VisibleButtons" set in
//                  equal widths with the skin's Buttons object (a cell per state:
//                  pressed, hot, disabled from "EnabledButtons") and our own glyph per
//                  button kind; a click on it is passed to the control
//   TSkinMP        the wrapper: makes the panel at attach, keeps it over the control
//                  (a child window, so it shows and hides with the control) and frees
//                  it when switched off
#pragma once
#include "framework/bitmap.h"
#include "framework/win_control.h"
#include "skin/controls/skin_control.h"

class TWMediaPlayer : public TWinControl {
 public:
  // player: the media-player control the panel lies on (its parent).
  TWMediaPlayer(TComponent* owner, TWinControl& player, TSkinData& skinData);
  const char* ClassName() const override { return "TWMediaPlayer"; }

  int HotButton() const { return hot_; }
  int PressedButton() const { return pressed_; }
  // Covers the player's client area.
  void Place();

 protected:
  void PaintBackground(HDC) override {}
  void PaintWindow(HDC dc) override;
  bool HandleMessage(TMessage& message) override;

 private:
  unsigned Set(const char* property) const;
  RECT Client() const { return RECT{0, 0, ClientWidth(), ClientHeight()}; }
  void SetHot(int index);

  TWinControl& player_;
  TSkinData& skinData_;
  TBitmap work_;
  int hot_ = -1;
  int pressed_ = -1;
  bool tracking_ = false;
};

class TSkinMP : public TSkinControl {
 public:
  explicit TSkinMP(TComponent* owner) : TSkinControl(owner) {}
  ~TSkinMP() override;
  const char* ClassName() const override { return "TSkinMP"; }

  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void Unskin() override;
  void AfterMessage(TMessage& message) override;
  void SkinChanged() override;
  TWMediaPlayer* Panel() const { return panel_; }

 private:
  void FreePanel();
  TWMediaPlayer* panel_ = nullptr;  // owned (a component of this wrapper)
};
