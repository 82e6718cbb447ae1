// TWinSkinMenu: building the buttons, painting the bar, hit testing, accelerators and the
// menu messages of the window (see win_skin_menu.h). Opening and tracking are in
// win_skin_menu_track.cpp.
#include "skin/forms/win_skin_menu.h"

#include <algorithm>

#include "framework/form.h"
#include "framework/gdi.h"
#include "framework/menus.h"
#include "framework/wide.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"
#include "skin/forms/menu_item_paint.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"

namespace {
constexpr int kTextLength = 80;
constexpr int kPlainStart = 6;       // first button's x without a menu-bar object
constexpr int kNarrowStart = 12;     // when the bar is narrower than the object's start
constexpr int kCaptionPadding = 10;  // a button is its caption's width + this
}  // namespace

std::unique_ptr<TWindowMenus> MakeWinSkinMenu(TWinSkinForm& windowSkin, TSkinManage& manager,
                                              HWND window, TForm* form, TSkinData& skin) {
  auto menus = std::make_unique<TWinSkinMenu>(windowSkin, manager, window, form);
  menus->SetSkin(skin);
  return menus;
}

TWinSkinMenu* WinSkinMenuOf(const TWinSkinForm& windowSkin) {
  return dynamic_cast<TWinSkinMenu*>(windowSkin.Menus());
}

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& windowSkin, TSkinManage& manager, HWND window, TForm* form)
    : windowSkin_(windowSkin), manager_(manager), window_(window), form_(form) {}

TWinSkinMenu::~TWinSkinMenu() { ClearButtons(); }

void TWinSkinMenu::ClearButtons() {
  for (auto& button : buttons_) {
    if (windowSkin_.HotObject() == button.get()) windowSkin_.SetHotObject(nullptr);
  }
  buttons_.clear();
}

bool TWinSkinMenu::Build(TSkinData& skin) {
  skin_ = &skin;
  if (HMENU current = GetMenu(window_)) menu_ = current;
  // A framework form's bar is its menu, whether or not the window shows it now.
  if (form_) menu_ = form_->Menu();
  if (!menu_ || !IsMenu(menu_)) {
    menu_ = nullptr;
    ClearButtons();
    return false;
  }
  ClearButtons();
  // The skin draws a maximised MDI child's parts of the bar itself.
  if (windowSkin_.Facts().windowKind == wkMdiFrame) RemoveMdiFrameItems(menu_);
  const TMainMenu* mainMenu = form_ ? form_->MainMenu() : nullptr;
  const int count = GetMenuItemCount(menu_);
  for (int i = 0; i < count; ++i) {
    wchar_t text[kTextLength + 1] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = kTextLength;
    if (!GetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info)) continue;
    auto button = std::make_unique<TMenuBtn>(windowSkin_, *this, static_cast<int>(buttons_.size()));
    button->Visible = true;
    button->Enabled = !(info.fState & (MFS_DISABLED | MFS_GRAYED));
    button->Command = info.wID;
    button->SubMenu = info.hSubMenu;
    button->Caption = (info.fType & MFT_SEPARATOR) ? L"" : text;
    // Items without text (pictures) are no framework items.
    TMenuItem* item = mainMenu && text[0] ? mainMenu->FindItem(info.wID) : nullptr;
    if (item) {
      button->Item = item;
      button->Caption = Widen(item->Caption());
      button->Enabled = item->Enabled();
      button->SubMenu = item->Handle();
    }
    buttons_.push_back(std::move(button));
  }
  // The skin draws the bar from now on.
  if (GetMenu(window_)) ::SetMenu(window_, nullptr);
  return true;
}

void TWinSkinMenu::GiveBack() {
  ClearButtons();
  if (menu_ && IsMenu(menu_) && IsWindow(window_) && !GetMenu(window_)) ::SetMenu(window_, menu_);
}

void TWinSkinMenu::Paint(HDC dc, const RECT& bar, bool active, bool rightToLeft) {
  if (!skin_ || painting_) return;
  const int w = bar.right - bar.left, h = bar.bottom - bar.top;
  if (w <= 0 || h <= 0) return;
  painting_ = true;
  try {
    bar_ = bar;
    rightToLeft_ = rightToLeft;
    TBitmap buffer(w, h);
    if (buffer.Empty()) throw 0;
    HDC b = buffer.Canvas();
    const TDataSkinObject* object = skin_->Objects.MenuBar.get();
    int start = kPlainStart;
    if (object && !object->Image.Empty()) {
      const int frames = object->Frame > 0 ? object->Frame : 1;
      const int frame = std::min(active ? 1 : 2, frames);
      if (object->Tile == 1) {
        DrawNineSlice(b, RECT{0, 0, w, h}, object->Image, object->Margins(), true, false, frames,
                      frame, false);
      } else {
        DrawThreePartStretch(b, RECT{0, 0, w, h}, object->Image, true, frames, frame,
                             object->LeftWidth, object->RightWidth);
      }
      start = rightToLeft ? object->RightWidth + 8 : object->LeftWidth + 4;
      if (w < start) start = kNarrowStart;
    } else {
      buffer.Fill(ResolveColour(skin_->Colours.Menubar));
    }
    background_.SetSize(w, h);
    BitBlt(background_.Canvas(), 0, 0, w, h, b, 0, 0, SRCCOPY);

    OwnedFont font(CreateMenuFont());
    SelectGuard select(b, font ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(b, TRANSPARENT);
    int x = PaintMdiParts(b, bar, rightToLeft ? w - start : start, rightToLeft);
    for (auto& button : buttons_) {
      if (!button->Visible) {
        button->Rect = RECT{};
        continue;
      }
      RECT measure{0, 0, 0, 0};
      if (!button->Caption.empty())
        DrawTextUnicode(b, button->Caption, measure, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
      const int textWidth = measure.right - measure.left;
      const int width = textWidth > 0 ? textWidth + kCaptionPadding : 0;
      RECT r = rightToLeft ? RECT{x - width, 0, x, h - 1} : RECT{x, 0, x + width, h - 1};
      x = rightToLeft ? x - width : x + width;
      if (width > 0) {
        SetTextColor(b, static_cast<COLORREF>(button->Enabled ? ResolveColour(skin_->Colours.MenuBarText)
                                                               : GetSysColor(COLOR_GRAYTEXT)));
        RECT text = r;
        DrawTextUnicode(b, button->Caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      }
      button->Rect = RECT{r.left + bar.left, r.top + bar.top, r.right + bar.left, r.bottom + bar.top};
    }
    BitBlt(dc, bar.left, bar.top, w, h, b, 0, 0, SRCCOPY);
    // The frame paint forgets the hot object: only the open button keeps its look.
    for (auto& button : buttons_) {
      if (button->State == ncHot) button->State = ncNormal;
      if (button->State == ncPressed) button->Paint(dc);
    }
  } catch (...) {
    // Painting failures leave the band as the frame painted it.
  }
  painting_ = false;
}

TMenuBtn* TWinSkinMenu::HitTest(POINT p) const {
  for (const auto& button : buttons_) {
    if (button->Visible && !button->Caption.empty() && PtInRect(&button->Rect, p)) return button.get();
  }
  return nullptr;
}

void TWinSkinMenu::OpenAt(POINT window) {
  if (TMenuBtn* button = HitTest(window)) Open(*button);
}

TMenuBtn* TWinSkinMenu::FindAccelerator(wchar_t key) const {
  for (const auto& button : buttons_) {
    if (button->Visible && button->Enabled && IsAccel(key, button->Caption)) return button.get();
  }
  return nullptr;
}

bool TWinSkinMenu::HandleNcMouse(UINT msg, POINT p, LRESULT& result) {
  if (!menu_) return false;
  if (PtInRect(&childIcon_, p)) {
    if (msg == WM_NCLBUTTONDOWN && HasChildIcon()) Track(kChildIconIndex, false);
    result = 0;
    return true;
  }
  TMenuBtn* button = HitTest(p);
  if (!button) return false;
  switch (msg) {
    case WM_NCMOUSEMOVE:
      button->Enter();
      break;
    case WM_NCLBUTTONDOWN:
      if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
      Open(*button);
      break;
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
      break;
    default:
      return false;
  }
  result = 0;
  return true;
}

bool TWinSkinMenu::HandleKeyMenu(wchar_t key) {
  if (!menu_) return false;
  if (!key) {
    // Alt or F10 alone: the first menu opens, unless this is the release of the Alt
    // that just closed a menu.
    if (AltJustEndedTracking()) return true;
    for (auto& button : buttons_) {
      if (button->Visible && button->Enabled && !button->Caption.empty()) {
        Open(*button, true);
        return true;
      }
    }
    return false;
  }
  TMenuBtn* button = FindAccelerator(key);
  if (!button) return false;
  Open(*button, true);
  return true;
}

bool TWinSkinMenu::HandleDialogChar(wchar_t key) {
  // Alt alone held (no Ctrl, no Shift) and a button with the accelerator.
  const bool alt = GetKeyState(VK_MENU) < 0;
  if (!alt || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0) return false;
  TMenuBtn* button = FindAccelerator(key);
  if (!button) return false;
  const POINT at = ScreenPointOf(*button);
  PostMessageW(window_, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
  return true;
}

POINT TWinSkinMenu::ScreenPointOf(const TMenuBtn& button) const {
  RECT w{};
  GetWindowRect(window_, &w);
  return POINT{w.left + button.Rect.left + 1, w.top + button.Rect.top + 1};
}

bool TWinSkinMenu::HandleMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!skin_) return false;
  switch (msg) {
    case WM_MEASUREITEM:
      if (wParam != 0) return false;
      if (!ownerDrawn_.Measure(*skin_, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return false;
      result = TRUE;
      return true;
    case WM_DRAWITEM:
      if (wParam != 0) return false;
      if (!ownerDrawn_.Draw(*skin_, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), rightToLeft_))
        return false;
      result = TRUE;
      return true;
    case WM_INITMENUPOPUP: {
      // A pop-up menu component tagged with the skin's DisableTag keeps the system's
      // look, its pop-up window too.
      if (IsUnskinnedPopupMenu(reinterpret_cast<HMENU>(wParam), skin_->DisableTag)) return false;
      // A context menu (or a sub-menu of one) is drawn by the skin too; the system menu
      // draws its own items.
      if (HIWORD(lParam) == 0 && HasControl(skin_->SkinControls, xcPopupMenu)) {
        ownerDrawn_.Take(reinterpret_cast<HMENU>(wParam), false);
      }
      return false;
    }
    case WM_MENUSELECT:
      selectedMenu_ = reinterpret_cast<HMENU>(lParam);
      selectedHasSub = (HIWORD(wParam) & MF_POPUP) != 0 && HIWORD(wParam) != 0xFFFF;
      selectedSubMenu_ = selectedHasSub && selectedMenu_ ? GetSubMenu(selectedMenu_, LOWORD(wParam)) : nullptr;
      return false;
    case WM_EXITMENULOOP:
      if (OpenIndex() < 0) {
        ownerDrawn_.RestoreAll();
        manager_.SetMenuKind(0);
      }
      return false;
    default:
      return false;
  }
}
