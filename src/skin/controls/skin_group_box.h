// TSkinGroupBox: the group-box wrapper. It draws a rounded frame line in the skin's
// ButtonShadow colour and the caption over it on an opaque ButtonFace background, so
// the line behind the caption is covered. Framework group boxes (kind 1) are painted by
// the wrapper alone, with their windowless children on top; for a bare window the
// system's frame is covered with the face colour and the skinned one drawn after it.
#pragma once
#include <string>

#include "skin/controls/skin_control.h"

class TSkinGroupBox : public TSkinControl {
 public:
  explicit TSkinGroupBox(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinGroupBox"; }

  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  bool BeforeMessage(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  std::wstring CaptionText() const;
};
