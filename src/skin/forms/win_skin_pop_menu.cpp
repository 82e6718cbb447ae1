// TWinSkinPopMenu and TPopupMenuSkins: pop-up menu windows painted from the skin (see
// win_skin_pop_menu.h).
#include "skin/forms/win_skin_pop_menu.h"

#include <algorithm>

#include "framework/gdi.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_draw.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/owner_drawn_menus.h"
#include "skin/controls/skin_messages.h"

namespace {
constexpr int kBorder = 3;
}  // namespace

TWinSkinPopMenu::TWinSkinPopMenu(HWND window, TSkinData& skin, bool menuBar)
    : window_(window), skin_(skin), menuBar_(menuBar) {}

bool TWinSkinPopMenu::Attach() {
  return subclass_.Attach(window_, [this](UINT msg, WPARAM w, LPARAM l, LRESULT& r) {
    return HandleMessage(msg, w, l, r);
  });
}

bool TWinSkinPopMenu::Render() {
  const TDataSkinObject* object = skin_.Objects.MenuBackground.get();
  if (!object || object->Image.Empty() || skin_.SkinEmpty()) return false;
  RECT w{};
  GetWindowRect(window_, &w);
  const int width = w.right - w.left, height = w.bottom - w.top;
  if (width <= 0 || height <= 0) return false;
  if (background_.Width() != width || background_.Height() != height) {
    if (!background_.SetSize(width, height)) return false;
    DrawNineSlice(background_.Canvas(), RECT{0, 0, width, height}, object->Image, object->Margins(),
                  false, object->Tile != 0, 1, 1, false);
  }
  return true;
}

bool TWinSkinPopMenu::PaintBorder(HDC dc) {
  if (!dc || !Render()) return false;
  const int width = background_.Width(), height = background_.Height();
  HDC b = background_.Canvas();
  BitBlt(dc, 0, 0, width, kBorder, b, 0, 0, SRCCOPY);
  BitBlt(dc, 0, height - kBorder, width, kBorder, b, 0, height - kBorder, SRCCOPY);
  BitBlt(dc, 0, 0, kBorder, height, b, 0, 0, SRCCOPY);
  BitBlt(dc, width - kBorder, 0, kBorder, height, b, width - kBorder, 0, SRCCOPY);
  return true;
}

bool TWinSkinPopMenu::Refused() {
  // Once the window knows its menu: a pop-up menu component tagged with the skin's
  // DisableTag keeps the system's look.
  if (menuKnown_ || asking_) return refused_;
  asking_ = true;
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(window_, MN_GETHMENU, 0, 0));
  asking_ = false;
  if (!menu) return false;
  menuKnown_ = true;
  refused_ = IsUnskinnedPopupMenu(menu, skin_.DisableTag);
  return refused_;
}

bool TWinSkinPopMenu::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == WM_NCCREATE || msg == WM_CREATE || msg == MN_GETHMENU || Refused()) return false;
  if (msg == skinmsg::kQuerySkinned) {
    result = 1;
    return true;
  }
  TSkinManage* manager = TSkinManage::Instance();
  if (!manager || !manager->Enabled()) return false;
  try {
    switch (msg) {
      case WM_ERASEBKGND:
        if (!HasOption(skin_.Options, xoMenuBG)) subclass_.CallPrevious(msg, wParam, lParam);
        result = 1;
        return true;
      case WM_NCPAINT:
      case WM_PAINT: {
        // The system paints its frame and items (its border may lie in either area), then
        // the skin's border goes over the outer pixels.
        result = subclass_.CallPrevious(msg, wParam, lParam);
        WindowDC dc(window_, WindowDC::Whole);
        PaintBorder(dc.Get());
        return true;
      }
      case WM_PRINT: {
        result = subclass_.CallPrevious(msg, wParam, lParam);
        PaintBorder(reinterpret_cast<HDC>(wParam));
        return true;
      }
      default:
        return false;
    }
  } catch (...) {
    return false;  // the system's own drawing stays
  }
}

void TPopupMenuSkins::Purge() {
  skins_.erase(std::remove_if(skins_.begin(), skins_.end(),
                              [](const std::unique_ptr<TWinSkinPopMenu>& s) { return s->Dead(); }),
               skins_.end());
}

void TPopupMenuSkins::Add(HWND window, TSkinData& skin, bool menuBar) {
  Purge();
  auto popup = std::make_unique<TWinSkinPopMenu>(window, skin, menuBar);
  if (popup->Attach()) skins_.push_back(std::move(popup));
}

int TPopupMenuSkins::Count() {
  Purge();
  return static_cast<int>(skins_.size());
}

void InstallPopupMenuSkins(TSkinManage& manager) {
  auto skins = std::make_shared<TPopupMenuSkins>();
  manager.SetPopupSkinner([skins](HWND popup, TSkinData& skin, int, bool menuBar) {
    skins->Add(popup, skin, menuBar);
  });
}
