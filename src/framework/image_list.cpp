// TImageList (see image_list.h).
#include "framework/image_list.h"

#include "framework/graphics_util.h"

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height) {
  list_ = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4);
}

TImageList::~TImageList() {
  if (list_) ImageList_Destroy(list_);
}

void TImageList::DefineProperties(TPropList& list) const {
  TComponent::DefineProperties(list);
  list.Integer<TImageList>("Width", [](TImageList& l) -> int64_t { return l.Width(); });
  list.Integer<TImageList>("Height", [](TImageList& l) -> int64_t { return l.Height(); });
  list.Integer<TImageList>("Count", [](TImageList& l) -> int64_t { return l.Count(); });
}

int TImageList::Count() const { return list_ ? ImageList_GetImageCount(list_) : 0; }

int TImageList::AddMasked(const TBitmap& bitmap, TColor mask) {
  if (!list_ || bitmap.Empty()) return -1;
  // AddMasked blackens the masked pixels of what it is given, and the bitmap must not
  // be selected into a device context: a fresh copy is both.
  TBitmap copy;
  copy.Assign(bitmap);
  if (copy.Empty()) return -1;
  return ImageList_AddMasked(list_, copy.Handle(), ColorToRGB(mask));
}

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
  if (!list_ || index < 0 || index >= Count()) return;
  UINT style = ILD_TRANSPARENT;
  if (!enabled) style |= ILD_BLEND50;
  ImageList_DrawEx(list_, index, dc, x, y, 0, 0, CLR_NONE, CLR_DEFAULT, style);
}
