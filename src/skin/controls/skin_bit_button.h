// Buttons with pictures.
//   TSkinBitButton    the push-button face with a glyph (the "Glyph" bitmap of
//                     "NumGlyphs" frames, a picture property, or an image of the
//                     "Images" list) laid out against the caption
//   TSkinSpeedButton  the same for windowless speed buttons, painted inside their
//                     parent's paint; a flat one shows its face only when hot or down
#pragma once
#include <string>

#include "skin/controls/skin_button.h"

class TSkinBitButton : public TSkinButton {
 public:
  explicit TSkinBitButton(TComponent* owner) : TSkinButton(owner) {}
  const char* ClassName() const override { return "TSkinBitButton"; }

  // Empty, or the name of a picture property that replaces the glyph.
  std::string ImageProperty;

 protected:
  void DrawFaceContent(HDC face, const RECT& rect, int state) override;
  // Draws the glyph and caption of the control into the face DC.
  void DrawGlyphAndCaption(HDC face, const RECT& rect, int state, int glyphFrame);
};

class TSkinSpeedButton : public TSkinBitButton {
 public:
  explicit TSkinSpeedButton(TComponent* owner) : TSkinBitButton(owner) {}
  const char* ClassName() const override { return "TSkinSpeedButton"; }

  // Attaches to the speed button that owns the wrapper.
  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  int FaceState() const override;

 private:
  bool painting_ = false;
};
