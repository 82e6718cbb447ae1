// TCustomTabControl, TPageControl, TTabSheet (see tab_controls.h).
#include "framework/tab_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/image_list.h"
#include "framework/wide.h"

// ---- TCustomTabControl ----

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 289, 193);
}

void TCustomTabControl::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Integer<TCustomTabControl>("TabIndex", [](TCustomTabControl& t) -> int64_t { return t.TabIndex(); },
                                  [](TCustomTabControl& t, int64_t v) { t.SetTabIndex(static_cast<int>(v)); });
  list.Enumeration<TCustomTabControl>("TabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"},
                                      [](TCustomTabControl& t) -> int64_t { return t.TabPosition; });
  list.Enumeration<TCustomTabControl>("Style", {"tsTabs", "tsButtons", "tsFlatButtons"},
                                      [](TCustomTabControl& t) -> int64_t { return t.Style; });
  list.Boolean<TCustomTabControl>("MultiLine", [](TCustomTabControl& t) { return t.MultiLine; });
  list.Object<TCustomTabControl>("Images", [](TCustomTabControl& t) -> TPersistent* { return t.Images; });
}

int TCustomTabControl::TabIndex() {
  if (HandleAllocated()) tabIndex_ = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
  return tabIndex_;
}

void TCustomTabControl::SetTabIndex(int index) {
  tabIndex_ = index;
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  Change();
}

RECT TCustomTabControl::DisplayRect() {
  RECT r{0, 0, Width(), Height()};
  if (HandleAllocated()) {
    GetClientRect(Handle(), &r);
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  }
  return r;
}

void TCustomTabControl::SendTab(UINT msg, int index, const Tab& tab) {
  std::wstring text = Widen(tab.caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = &text[0];
  item.iImage = tab.image;
  SendMessageW(Handle(), msg, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TCustomTabControl::InsertTab(int index, const std::string& caption, int imageIndex) {
  index = std::clamp(index, 0, TabCount());
  tabs_.insert(tabs_.begin() + index, Tab{caption, imageIndex});
  if (HandleAllocated()) SendTab(TCM_INSERTITEMW, index, tabs_[static_cast<size_t>(index)]);
}

void TCustomTabControl::SetTabCaption(int index, const std::string& caption) {
  if (index < 0 || index >= TabCount()) return;
  tabs_[static_cast<size_t>(index)].caption = caption;
  if (HandleAllocated()) SendTab(TCM_SETITEMW, index, tabs_[static_cast<size_t>(index)]);
}

void TCustomTabControl::DeleteTab(int index) {
  if (index < 0 || index >= TabCount()) return;
  tabs_.erase(tabs_.begin() + index);
  if (HandleAllocated()) SendMessageW(Handle(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_TABCONTROLW;
  params.Style |= WS_TABSTOP | WS_CLIPCHILDREN;
  if (MultiLine) params.Style |= TCS_MULTILINE;
  if (Style == tsButtons) params.Style |= TCS_BUTTONS;
  if (Style == tsFlatButtons) params.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
  switch (TabPosition) {
    case tpBottom:
      params.Style |= TCS_BOTTOM;
      break;
    case tpLeft:
      params.Style |= TCS_VERTICAL | TCS_MULTILINE;
      break;
    case tpRight:
      params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
      break;
    default:
      break;
  }
}

void TCustomTabControl::HandleCreated() {
  if (Images) SendMessageW(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(Images->Handle()));
  for (int i = 0; i < TabCount(); ++i) SendTab(TCM_INSERTITEMW, i, tabs_[static_cast<size_t>(i)]);
  if (tabIndex_ >= 0) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

bool TCustomTabControl::HandleMessage(TMessage& m) {
  if (m.Msg == CN_NOTIFY && m.LParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    if (header->code == static_cast<UINT>(TCN_SELCHANGE)) {
      tabIndex_ = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
      Change();
      m.Result = 0;
      return true;
    }
  }
  return TWinControl::HandleMessage(m);
}

// ---- TPageControl ----

TPageControl::~TPageControl() {
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
}

void TPageControl::DefineProperties(TPropList& list) const {
  TCustomTabControl::DefineProperties(list);
  list.Integer<TPageControl>("PageCount", [](TPageControl& p) -> int64_t { return p.PageCount(); });
  list.Object<TPageControl>("ActivePage", [](TPageControl& p) -> TPersistent* { return p.ActivePage(); });
}

TTabSheet* TPageControl::ActivePage() {
  int index = TabIndex();
  return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it != pages_.end()) SetTabIndex(static_cast<int>(it - pages_.begin()));
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  InsertTab(PageCount() - 1, page->Caption());
  if (PageCount() == 1) SetTabIndex(0);
  ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  int index = static_cast<int>(it - pages_.begin());
  pages_.erase(it);
  DeleteTab(index);
  ShowActivePage();
}

void TPageControl::ShowActivePage() {
  TTabSheet* active = ActivePage();
  RECT r = DisplayRect();
  for (TTabSheet* page : pages_) {
    if (page == active) page->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    page->SetVisible(page == active);
  }
}

void TPageControl::Change() { ShowActivePage(); }

void TPageControl::BoundsChanged() {
  TCustomTabControl::BoundsChanged();
  ShowActivePage();
}

void TPageControl::HandleCreated() {
  TCustomTabControl::HandleCreated();
  ShowActivePage();
}

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) { visible_ = false; }

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* pageControl) {
  if (pageControl == pageControl_) return;
  if (pageControl_) pageControl_->RemovePage(this);
  pageControl_ = pageControl;
  if (!pageControl_) return;
  SetParent(pageControl_);
  pageControl_->InsertPage(this);
}

void TTabSheet::TextChanged() {
  TWinControl::TextChanged();
  if (!pageControl_) return;
  for (int i = 0; i < pageControl_->PageCount(); ++i)
    if (pageControl_->Pages(i) == this) pageControl_->SetTabCaption(i, Caption());
}
