// Push-button wrappers.
//   TSkinButton       draws the skin's button face (five state frames) and caption;
//                     takes the left-button press itself and replays one complete
//                     click to the control when the button is released over it
//   TSkinMenuButton   the same face with a drop-down arrow at the right
#pragma once
#include "framework/bitmap.h"
#include "skin/controls/skin_control.h"

class TSkinButton : public TSkinControl {
 public:
  explicit TSkinButton(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinButton"; }

  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                      TBitmap* canvas = nullptr) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // Face state: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused.
  virtual int FaceState() const;
  bool HasFace() const;

 protected:
  // Sizes and fills the face bitmap and draws the face frame; null when the skin has
  // no face image.
  HDC BeginFace(const RECT& rect, int state);
  // Draws the caption centred in textRect with the state's colour, and the focus
  // rectangle; returns the rectangle the text took.
  RECT DrawCaption(HDC dc, const RECT& textRect, int state, UINT extraFlags);
  void DrawFocus(HDC dc, const RECT& textExtent);
  bool NoFocusRect() const;
  void StartTimer();
  void EndTimer();

  TBitmap face_;
  bool parentBackground_ = false;
  bool timerActive_ = false;
  bool forwarding_ = false;
};

class TSkinMenuButton : public TSkinButton {
 public:
  explicit TSkinMenuButton(TComponent* owner) : TSkinButton(owner) {}
  const char* ClassName() const override { return "TSkinMenuButton"; }
  int FaceState() const override;
  void DrawControl(HDC dc, const RECT& rect) override;
};
