// TCustomComboBox (see combo_box.h).
#include "framework/combo_box.h"

#include "framework/gdi.h"
#include "framework/wide.h"

namespace {
constexpr int kListItemHeight = 18;  // room per item of the open list, at creation
}  // namespace

const std::vector<std::string>& ComboBoxStyleNames() {
  static const std::vector<std::string> names{"csDropDown", "csSimple", "csDropDownList",
                                              "csOwnerDrawFixed", "csOwnerDrawVariable"};
  return names;
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TStringItemsControl(owner, kComboBoxItemMessages) {
  color_ = SystemColour(COLOR_WINDOW);
  SetBounds(0, 0, 145, 21);
}

void TCustomComboBox::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Enumeration<TCustomComboBox>(
      "Style", ComboBoxStyleNames(), [](TCustomComboBox& c) -> int64_t { return c.Style(); },
      [](TCustomComboBox& c, int64_t v) {
        if (v >= csDropDown && v <= csOwnerDrawVariable) c.SetStyle(static_cast<TComboBoxStyle>(v));
      });
  list.Integer<TCustomComboBox>("ItemIndex", [](TCustomComboBox& c) -> int64_t { return c.ItemIndex(); },
                                [](TCustomComboBox& c, int64_t v) { c.SetItemIndex(static_cast<int>(v)); });
  list.Integer<TCustomComboBox>("DropDownCount",
                                [](TCustomComboBox& c) -> int64_t { return c.DropDownCount; },
                                [](TCustomComboBox& c, int64_t v) { c.DropDownCount = static_cast<int>(v); });
  list.String<TCustomComboBox>("Text", [](TCustomComboBox& c) { return c.Text(); },
                               [](TCustomComboBox& c, const std::string& v) { c.SetText(v); });
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
  if (style == style_) return;
  ItemIndex();  // keeps the window's selection for the new window
  style_ = style;
  RecreateWnd();
}


std::string TCustomComboBox::Text() { return HandleAllocated() ? WindowText(Handle()) : caption_; }

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"COMBOBOX";
  params.Style |= WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL;
  if (RightToLeft) params.ExStyle |= WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT | WS_EX_RTLREADING;
  switch (style_) {
    case csDropDown:
      params.Style |= CBS_DROPDOWN;
      break;
    case csSimple:
      params.Style |= CBS_SIMPLE | CBS_NOINTEGRALHEIGHT;
      break;
    case csDropDownList:
      params.Style |= CBS_DROPDOWNLIST;
      break;
    case csOwnerDrawFixed:
      params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
      break;
    case csOwnerDrawVariable:
      params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
      break;
  }
}

RECT TCustomComboBox::WindowBoundsForCreate() const {
  RECT r = BoundsRect();
  if (style_ != csSimple) r.bottom += (DropDownCount > 0 ? DropDownCount : 1) * kListItemHeight;
  return r;
}

void TCustomComboBox::HandleCreated() {
  if (!items_.HandTo(Handle()) && !caption_.empty()) SetWindowTextW(Handle(), Widen(caption_).c_str());
}

bool TCustomComboBox::HandleMessage(TMessage& m) {
  if (m.Msg == CN_DRAWITEM && m.LParam) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
    m.Result = TRUE;
    return true;
  }
  return TWinControl::HandleMessage(m);
}

void TCustomComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT r = item.rcItem;
  FillRect(item.hDC, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= static_cast<UINT>(items_.Count())) return;
  std::wstring text = Widen(items_.At(static_cast<int>(item.itemID)));
  int oldMode = SetBkMode(item.hDC, TRANSPARENT);
  COLORREF oldColour = SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  r.left += 2;
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SetTextColor(item.hDC, oldColour);
  SetBkMode(item.hDC, oldMode);
}
