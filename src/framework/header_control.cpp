// THeaderControl (see header_control.h).
#include "framework/header_control.h"

#include <commctrl.h>

#include "framework/wide.h"

namespace {
int FormatOf(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify: return HDF_RIGHT;
    case taCenter: return HDF_CENTER;
    default: return HDF_LEFT;
  }
}
}  // namespace

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) {}

void THeaderControl::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Integer<THeaderControl>("SectionCount", [](THeaderControl& h) -> int64_t {
    return static_cast<int64_t>(h.Sections().size());
  });
}

void THeaderControl::AddSection(const std::string& text, int width, TAlignment alignment) {
  sections_.push_back(THeaderSection{text, width, alignment});
  if (HandleAllocated()) InsertItem(static_cast<int>(sections_.size()) - 1);
}

void THeaderControl::ClearSections() {
  sections_.clear();
  if (!HandleAllocated()) return;
  while (SendMessageW(Handle(), HDM_DELETEITEM, 0, 0)) {
  }
}

void THeaderControl::InsertItem(int index) {
  const THeaderSection& section = sections_.at(static_cast<size_t>(index));
  std::wstring text = Widen(section.Text);
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = text.data();
  item.cxy = section.Width;
  item.fmt = HDF_STRING | FormatOf(section.Alignment);
  SendMessageW(Handle(), HDM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void THeaderControl::CreateParams(TCreateParams& params) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_HEADERW;
  params.Style |= HDS_HORZ | HDS_BUTTONS | HDS_HOTTRACK;
}

void THeaderControl::HandleCreated() {
  for (size_t i = 0; i < sections_.size(); ++i) InsertItem(static_cast<int>(i));
}
