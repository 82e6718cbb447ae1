// TImage (see image.h).
#include "framework/image.h"

void TImage::DefineProperties(TPropList& list) const {
  TGraphicControl::DefineProperties(list);
  list.Boolean<TImage>("Stretch", [](TImage& i) { return i.Stretch; },
                       [](TImage& i, bool v) {
                         i.Stretch = v;
                         i.Invalidate();
                       });
  list.Boolean<TImage>("Proportional", [](TImage& i) { return i.Proportional; },
                       [](TImage& i, bool v) {
                         i.Proportional = v;
                         i.Invalidate();
                       });
  list.Boolean<TImage>("Center", [](TImage& i) { return i.Center; },
                       [](TImage& i, bool v) {
                         i.Center = v;
                         i.Invalidate();
                       });
}

bool TImage::LoadFromResource(const std::wstring& name) {
  auto* bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name.c_str(),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return false;
  SetPicture(bitmap);
  return true;
}

void TImage::SetPicture(HBITMAP bitmap) {
  picture_.Reset(bitmap);
  BITMAP info{};
  if (bitmap && GetObjectW(bitmap, sizeof(info), &info)) {
    pictureWidth_ = info.bmWidth;
    pictureHeight_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  } else {
    pictureWidth_ = pictureHeight_ = 0;
  }
  Invalidate();
}

RECT TImage::DestinationRect() const {
  int w = pictureWidth_, h = pictureHeight_;
  if (w <= 0 || h <= 0) return RECT{0, 0, 0, 0};
  int boxW = Width(), boxH = Height();
  if (Stretch || (Proportional && (w > boxW || h > boxH))) {
    if (Proportional) {
      // Largest size of the picture's shape that fits the box.
      if (static_cast<long long>(boxW) * h <= static_cast<long long>(boxH) * w) {
        h = static_cast<int>(static_cast<long long>(h) * boxW / w);
        w = boxW;
      } else {
        w = static_cast<int>(static_cast<long long>(w) * boxH / h);
        h = boxH;
      }
    } else {
      w = boxW;
      h = boxH;
    }
  }
  int x = 0, y = 0;
  if (Center) {
    x = (boxW - w) / 2;
    y = (boxH - h) / 2;
  }
  return RECT{x, y, x + w, y + h};
}

void TImage::Paint(HDC dc) {
  if (!picture_) return;
  RECT d = DestinationRect();
  MemoryDC source(dc);
  SelectGuard select(source.Get(), picture_.Get());
  int w = d.right - d.left, h = d.bottom - d.top;
  if (w == pictureWidth_ && h == pictureHeight_) {
    BitBlt(dc, d.left, d.top, w, h, source.Get(), 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, d.left, d.top, w, h, source.Get(), 0, 0, pictureWidth_, pictureHeight_,
               SRCCOPY);
  }
}
