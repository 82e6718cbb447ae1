// TImage: a picture painted by its parent (no window of its own): drawn at its size,
// stretched to the bounds, or scaled to fit keeping its proportions.
#pragma once
#include <string>

#include "framework/control.h"
#include "framework/gdi.h"

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner) : TGraphicControl(owner) {}
  const char* ClassName() const override { return "TImage"; }
  void DefineProperties(TPropList& list) const override;

  // Takes a bitmap resource of this program; returns false when there is none.
  bool LoadFromResource(const std::wstring& name);
  // Takes ownership of a bitmap.
  void SetPicture(HBITMAP bitmap);
  HBITMAP Picture() const { return picture_.Get(); }
  int PictureWidth() const { return pictureWidth_; }
  int PictureHeight() const { return pictureHeight_; }

  bool Stretch = false;
  bool Proportional = false;
  bool Center = false;

  // Where the picture lands inside the control's bounds.
  RECT DestinationRect() const;

 protected:
  void Paint(HDC dc) override;

 private:
  OwnedBitmap picture_;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
};
