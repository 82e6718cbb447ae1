// Push-button wrappers.
//   TSkinButton       draws the skin's button face (five state frames) and caption;
//                     takes the left-button press itself and replays one complete
//                     click to the control when the button is released over it
//   TSkinMenuButton   the same face with a drop-down arrow at the right
// and the choice of face and glyph frames that every button wrapper shares.
#pragma once
#include "framework/bitmap.h"
#include "skin/controls/skin_control.h"

// The frames of a button face strip (frame numbers start at 1).
constexpr int kFaceNormal = 1;
constexpr int kFacePressed = 2;
constexpr int kFaceDisabled = 3;
constexpr int kFaceHot = 4;
constexpr int kFaceFocused = 5;

// The face a button shows: disabled before pressed before hot before focused.
int ChooseButtonFace(bool disabled, bool pressed, bool hot, bool focused);
// The frame of a glyph strip for a face: 4 for a button held down, 3 pressed,
// 2 disabled, else 1.
int ButtonGlyphFrame(int face, bool down);

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

  // Face state: one of the kFace frames above.
  virtual int FaceState() const;
  bool HasFace() const;

 protected:
  bool WindowDisabled() const;
  // Draws what lies on the face (here the caption and focus rectangle) into the face
  // DC that DrawControl prepared for the state.
  virtual void DrawFaceContent(HDC face, const RECT& rect, int state);
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

 protected:
  void DrawFaceContent(HDC face, const RECT& rect, int state) override;
};
