// TImageList: a component that owns a system image list of equal-sized images with
// masks, adds bitmaps keyed on a colour and draws one image (greyed when disabled).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/bitmap.h"
#include "framework/component.h"

class TImageList : public TComponent {
 public:
  // The list is made at this size; it cannot change later.
  TImageList(TComponent* owner, int width = 16, int height = 16);
  ~TImageList() override;

  const char* ClassName() const override { return "TImageList"; }
  void DefineProperties(TPropList& list) const override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const;
  HIMAGELIST Handle() const { return list_; }

  // Adds the bitmap cut into images of the list's width; pixels of mask are
  // transparent. Returns the index of the first image added, -1 on failure.
  int AddMasked(const TBitmap& bitmap, TColor mask);
  // Draws image index with its top-left corner at (x, y); nothing for a bad index.
  void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;

 private:
  int width_;
  int height_;
  HIMAGELIST list_ = nullptr;
};
