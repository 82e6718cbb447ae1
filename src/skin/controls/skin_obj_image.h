// TSkinObjImage: check boxes and radio buttons of foreign control libraries that draw
// themselves from glyph properties. The wrapper does not take over any message: it
// builds a glyph strip in the library's frame order from the skin's check-box or
// radio-button strip and hands it to the control's properties, and takes it back when
// switched off.
//   image kind 1  check box: 9 frames into "CustomGlyphs" ("UseCustomGlyphs" on)
//   image kind 2  radio button: 6 frames into "CustomGlyphs"
//   image kind 3  check box whose glyph is the "Glyph" of its "Properties" object: 6 frames
#pragma once
#include "framework/bitmap.h"
#include "skin/controls/skin_control.h"

class TSkinObjImage : public TSkinControl {
 public:
  explicit TSkinObjImage(TComponent* owner) : TSkinControl(owner) {}
  const char* ClassName() const override { return "TSkinObjImage"; }

  // Attaches to the owning framework control; manageColour is not used.
  void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                TBitmap* canvas = nullptr) override;
  void Unskin() override;
  void SkinChanged() override;

  // Set by the creator before attaching; 0 picks it from the control: 3 with a
  // "Properties" object that has a "Glyph", 2 for a class name with "radio", else 1.
  int ImageKind = 0;

  // The strip built from the skin for an image kind (empty without a skin strip).
  static TBitmap BuildStrip(const TSkinData* skinData, int imageKind);

 private:
  void GiveStrip();
};
