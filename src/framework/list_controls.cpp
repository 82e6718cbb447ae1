// TListBox, TListView (see list_controls.h).
#include "framework/list_controls.h"

#include <commctrl.h>

#include "framework/memo.h"
#include "framework/wide.h"

// ---- TListBox ----

TListBox::TListBox(TComponent* owner) : TStringItemsControl(owner, kListBoxItemMessages) {
  color_ = SystemColour(COLOR_WINDOW);
  SetBounds(0, 0, 121, 97);
}

void TListBox::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Enumeration<TListBox>("BorderStyle", BorderStyleNames(),
                             [](TListBox& l) -> int64_t { return l.BorderSingle ? 1 : 0; },
                             [](TListBox& l, int64_t v) { l.BorderSingle = v != 0; });
  list.Integer<TListBox>("ItemIndex", [](TListBox& l) -> int64_t { return l.ItemIndex(); },
                         [](TListBox& l, int64_t v) { l.SetItemIndex(static_cast<int>(v)); });
}

void TListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"LISTBOX";
  params.Style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (BorderSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::HandleCreated() { items_.HandTo(Handle()); }

// ---- TListView ----

TListView::TListView(TComponent* owner) : TWinControl(owner) {
  color_ = SystemColour(COLOR_WINDOW);
  SetBounds(0, 0, 250, 150);
}

void TListView::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Enumeration<TListView>("BorderStyle", BorderStyleNames(),
                              [](TListView& l) -> int64_t { return l.BorderSingle ? 1 : 0; },
                              [](TListView& l, int64_t v) { l.BorderSingle = v != 0; });
  list.Enumeration<TListView>("ViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"},
                              [](TListView&) -> int64_t { return 3; });
}

void TListView::AddColumn(const std::string& caption, int width) {
  columns_.push_back(TListColumn{caption, width});
  if (HandleAllocated()) InsertColumn(ColumnCount() - 1);
}

void TListView::AddItem(const std::vector<std::string>& texts) {
  items_.push_back(texts);
  if (HandleAllocated()) InsertItem(ItemCount() - 1);
}

void TListView::InsertColumn(int index) {
  std::wstring text = Widen(columns_[static_cast<size_t>(index)].Caption);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = &text[0];
  column.cx = columns_[static_cast<size_t>(index)].Width;
  column.iSubItem = index;
  SendMessageW(Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void TListView::InsertItem(int index) {
  const auto& texts = items_[static_cast<size_t>(index)];
  for (size_t sub = 0; sub < texts.size(); ++sub) {
    std::wstring text = Widen(texts[sub]);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.iSubItem = static_cast<int>(sub);
    item.pszText = &text[0];
    SendMessageW(Handle(), sub == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
}

void TListView::CreateParams(TCreateParams& params) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_LISTVIEWW;
  params.Style |= WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS;
  if (BorderSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::HandleCreated() {
  for (int i = 0; i < ColumnCount(); ++i) InsertColumn(i);
  for (int i = 0; i < ItemCount(); ++i) InsertItem(i);
}
