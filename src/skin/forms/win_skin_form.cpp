// TWinSkinForm: attaching, skin-init, reload, resize, region (see win_skin_form.h).
// Elsewhere: messages in win_skin_form_proc.cpp, non-client input in
// win_skin_form_input.cpp, the system menu in win_skin_form_sysmenu.cpp, MDI in
// win_skin_form_mdi.cpp, re-applying and detaching in win_skin_form_detach.cpp.
#include "skin/forms/win_skin_form.h"

#include "framework/form.h"
#include "framework/properties.h"
#include "skin/data/skin_data.h"
#include "skin/forms/frame_painter.h"
#include "skin/forms/frame_region.h"
#include "skin/forms/platform_version.h"
#include "skin/forms/skin_manager.h"
#include "skin/controls/skin_messages.h"

namespace {
constexpr UINT kFrameChangedFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;  // 0x37
}  // namespace

TWinSkinForm::TWinSkinForm(TSkinManage& manager, HWND window, TForm* form)
    : manager_(manager), window_(window), form_(form) {
  doubleClickTime_ = GetDoubleClickTime();
  captionFont_.Reset(CreateCaptionFont());
}

TWinSkinForm::~TWinSkinForm() {
  // Whatever is still attached lets go without touching the frame.
  Detach();
}

void TWinSkinForm::ReadWindowFacts() {
  const DWORD style = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE));
  className_ = WindowClassName(window_);
  facts_.rightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  facts_.popup = (style & WS_POPUP) != 0;
  child_ = (style & WS_CHILD) != 0;
  const unsigned kept = facts_.buttonFlags & kCaptionBitsRemoved;
  facts_.buttonFlags = ButtonFlagsOf(style, systemMenu_ != nullptr) | kept;
  facts_.windowKind = (exStyle & WS_EX_MDICHILD) ? wkMdiChild : wkOrdinary;
  facts_.borderKind = BorderKindOf(style, exStyle, className_);
  facts_.systemDialog = IsSystemDialogClass(className_);
  RefreshShowState();
}

void TWinSkinForm::RefreshShowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (GetWindowPlacement(window_, &placement)) {
    facts_.showState = ShowStateOfCommand(placement.showCmd);
  }
  if (IsIconic(window_)) facts_.showState = ssMinimised;
  else if (IsZoomed(window_)) facts_.showState = ssMaximised;
}

void TWinSkinForm::FindMdiClient() {
  for (HWND child = GetTopWindow(window_); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (WindowClassName(child) == "MDIClient") {
      mdiClient_ = child;
      facts_.windowKind = wkMdiFrame;
      manager_.RememberMdiClient(child, form_);
      return;
    }
  }
}

bool TWinSkinForm::Attach(TSkinData& skin) {
  if (attached_ || subclass_.Attached()) return false;  // never subclasses twice
  manager_.SetRunState(1);
  skin_ = &skin;
  ReadWindowFacts();
  if (facts_.windowKind != wkMdiChild) FindMdiClient();
  const TPlatformVersion platform = CurrentPlatform();
  if (platform.IsWindows2000()) {
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE));
    const bool owned = GetWindow(window_, GW_OWNER) != nullptr;
    if ((exStyle & WS_EX_APPWINDOW) || (!owned && facts_.windowKind != wkMdiChild)) {
      facts_.buttonFlags |= kCaptionBitsRemoved;
    }
  }
  if (platform.Is16BitKernel()) skin.SkinControls = WithoutControl(skin.SkinControls, xcSystemMenu);

  if (mdiClient_) {
    savedMenuUpdate_ = skin.MenuUpdate;
    mdiClientSubclass_.Attach(mdiClient_, [this](UINT msg, WPARAM w, LPARAM l, LRESULT& r) {
      return HandleMdiClientMessage(msg, w, l, r);
    });
  }
  if (!subclass_.Attach(window_, [this](UINT msg, WPARAM w, LPARAM l, LRESULT& r) {
        return HandleMessage(msg, w, l, r);
      })) {
    mdiClientSubclass_.Detach();
    return false;
  }
  attached_ = true;
  if (const TWindowMenusMaker makeMenus = manager_.Parts().menus)
    menus_ = makeMenus(*this, manager_, window_, form_, skin);

  skinFrame_ = HasControl(skin.SkinControls, xcMainMenu) &&
               !(facts_.windowKind == wkMdiChild && HasOption(skin.Options, xoMDIChildBorder));
  if (skinFrame_) {
    // The menu bar itself is skinned by the menus step; until then its band is kept.
    if (GetMenu(window_) && facts_.windowKind != wkMdiChild) {
      facts_.menuBarHeight = GetSystemMetrics(SM_CYMENU);
    }
    const bool keepBits = (facts_.windowKind == wkMdiChild && manager_.MdiMaximised()) ||
                          facts_.showState == ssMinimised;
    if (!keepBits) RemoveCaptionBits();
    Reload();
  } else {
    state_ = wsRunning;
  }
  if (facts_.windowKind == wkMdiChild) {
    const int limit = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (facts_.frame.top < limit) facts_.menuBarHeight = limit - facts_.frame.top;
    if (facts_.showState == ssMaximised) manager_.SetMdiMaximised(true);
  }
  return true;
}

bool TWinSkinForm::AttachForm(TSkinData& skin, TForm& form) {
  form_ = &form;
  SetPropText(&form, "AutoScroll", "False");
  if (!Attach(skin)) return false;
  if (skinFrame_) {
    formHandler_.Attach(form, [this](TMessage& m) {
      if (HandleFormMenuMessage(m)) return true;
      LRESULT result = 0;
      if (!HandleSkinnedQuery(m.Msg, m.WParam, m.LParam, result, &m)) return false;
      m.Result = result;
      return true;
    });
  }
  savedFormColour_ = form.Color();
  form.SetColor(skin.Colours.ButtonFace);
  return true;
}

void TWinSkinForm::Reload() {
  if (!skin_ || skin_->SkinEmpty()) return;
  facts_.frame = FrameWidthsOf(skin_->Objects, facts_.borderKind);
  if (facts_.borderKind == bkNoCaption) facts_.menuBarHeight = 0;
  if (buttons_.Empty()) buttons_.Rebuild(*this, *skin_, iconBitmap_);
}

void TWinSkinForm::ClearCaptionButtons() {
  hot_ = nullptr;
  buttons_.Clear();
}

void TWinSkinForm::TakeIcon() {
  icon_ = TSkinData::WindowIcon(window_);
  // A window without an icon of its own shows its class's icon.
  if (!icon_) icon_ = reinterpret_cast<HICON>(GetClassLongPtrW(window_, GCLP_HICONSM));
  if (!icon_) icon_ = reinterpret_cast<HICON>(GetClassLongPtrW(window_, GCLP_HICON));
  if (!icon_) return;
  const int size = GetSystemMetrics(SM_CXSMICON);
  TBitmap bitmap(size, size);
  if (bitmap.Empty()) return;
  bitmap.Fill(kSkinKeyColour);
  DrawIconEx(bitmap.Canvas(), 0, 0, icon_, size, size, 0, nullptr, DI_NORMAL);
  iconBitmap_ = std::move(bitmap);
  if (skin_ && skin_->AppIcon.Empty()) skin_->AppIcon.Assign(iconBitmap_);
  // The buttons keep a pointer to the icon bitmap: rebuild them around the new one.
  if (!buttons_.Empty() && skin_) {
    hot_ = nullptr;
    buttons_.Rebuild(*this, *skin_, iconBitmap_);
  }
}

void TWinSkinForm::SkinInit() {
  systemMenu_ = GetSystemMenu(window_, FALSE);
  if (systemMenu_) facts_.buttonFlags |= kHasSystemMenu;
  TakeIcon();
  GetClientRect(window_, &savedClient_);
  RECT w{};
  GetWindowRect(window_, &w);
  systemNcSize_ = SIZE{(w.right - w.left) - savedClient_.right, (w.bottom - w.top) - savedClient_.bottom};
  // The skin draws the menu bar in its band from now on.
  if (menus_ && skinFrame_ && facts_.menuBarHeight > 0 && facts_.windowKind != wkMdiChild) {
    menus_->Build(*skin_);
  }
  if (const TControlAssigner& assign = ControlAssigner()) assign(*this, controls_);
  if (state_ == wsCreated && skinFrame_) {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
    if (facts_.windowKind == wkMdiChild) {
      if (facts_.showState == ssMaximised) {
        if (HWND client = GetParent(window_)) PostMessageW(client, skinmsg::kRedrawMdiFrame, reinterpret_cast<WPARAM>(window_), 0);
      } else if (facts_.showState == ssMinimised) {
        PutCaptionBitsBack();
      } else {
        state_ = wsResizing;
        ResizeKeepingClient(false);
        state_ = wsRunning;
        BuildRegion();
      }
    } else if (!child_ && facts_.borderKind != bkNoCaption && facts_.showState != ssMinimised) {
      (void)style;
      state_ = wsResizing;
      ResizeKeepingClient(false);
      state_ = wsRunning;
      if (facts_.showState == ssMaximised) {
        SetWindowPos(window_, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
      } else {
        BuildRegion();
      }
    }
  }
  SendMessageW(window_, skinmsg::kSkinnedNotify, 0, skinmsg::kMagic);
  state_ = wsRunning;
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  if (facts_.active && GetActiveWindow() == window_) StartHoverTimer();
}

void TWinSkinForm::WidenSystemDialog(int& width) {
  if (!skin_) return;
  const TDataSkinTitle& title = *skin_->Objects.Title;
  WindowDC screen(window_);
  SelectGuard font(screen.Get(), captionFont_ ? static_cast<HGDIOBJ>(captionFont_.Get())
                                              : GetStockObject(DEFAULT_GUI_FONT));
  wchar_t text[1000] = {};
  GetWindowTextW(window_, text, 1000);
  const std::wstring caption = std::wstring(L"  ") + text + L" ";
  SIZE extent{};
  GetTextExtentPoint32W(screen.Get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
  const int needed = title.LeftWidth + extent.cx + title.RightWidth;
  if (width >= needed) return;
  const int shift = (needed - width) / 2;
  width = needed;
  for (HWND child = GetTopWindow(window_); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TWinSkinForm::ResizeKeepingClient(bool useCurrentClient) {
  if (facts_.showState == ssMaximised) {
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
    return;
  }
  if (useCurrentClient || facts_.systemDialog || state_ == wsReapplying) {
    GetClientRect(window_, &savedClient_);
  }
  const TFrameWidths& f = facts_.frame;
  int width = savedClient_.right - savedClient_.left + f.left + f.right;
  const int height = savedClient_.bottom - savedClient_.top + f.top + f.bottom + facts_.menuBarHeight;
  if (facts_.systemDialog && !useCurrentClient) WidenSystemDialog(width);
  SetWindowPos(window_, nullptr, 0, 0, width, height,
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

void TWinSkinForm::BuildRegion() {
  if (!skinFrame_ || state_ == wsDead || !skin_) return;
  if (facts_.windowKind == wkMdiChild && facts_.showState != ssNormal) return;
  RECT w{};
  GetWindowRect(window_, &w);
  const SIZE size{w.right - w.left, w.bottom - w.top};
  if (size.cx <= 0 || size.cy <= 0) return;
  if (regionValid_ && size.cx == regionSize_.cx && size.cy == regionSize_.cy &&
      facts_.windowKind != wkMdiChild && state_ != wsReapplying) {
    return;  // built for this size already
  }
  DropRegion();
  TWindowFacts facts = facts_;
  facts.width = size.cx;
  facts.height = size.cy;
  OwnedRegion region = BuildFrameRegion(skin_->Objects, facts);
  if (!region) return;
  // The system owns the region once it is set; a copy stays for the window skin.
  OwnedRegion kept(CreateRectRgn(0, 0, 0, 0));
  CombineRgn(kept.Get(), region.Get(), nullptr, RGN_COPY);
  if (SetWindowRgn(window_, region.Get(), TRUE)) {
    region.Release();
    region_ = std::move(kept);
    regionValid_ = true;
    regionSize_ = size;
  }
}

void TWinSkinForm::DropRegion() {
  region_.Reset();
  regionValid_ = false;
}

void TWinSkinForm::RemoveCaptionBits() {
  if (!(facts_.buttonFlags & kCaptionBitsRemoved)) return;
  const LONG style = GetWindowLongW(window_, GWL_STYLE);
  if (style & WS_CAPTION) SetWindowLongW(window_, GWL_STYLE, style & ~WS_CAPTION);
}

void TWinSkinForm::PutCaptionBitsBack() {
  if (!(facts_.buttonFlags & kCaptionBitsRemoved)) return;
  const LONG style = GetWindowLongW(window_, GWL_STYLE);
  if ((style & WS_CAPTION) != WS_CAPTION) SetWindowLongW(window_, GWL_STYLE, style | WS_CAPTION);
}

void TWinSkinForm::StartHoverTimer() {
  if (hoverTimerOn_) return;
  hoverTimerOn_ = SetTimer(window_, reinterpret_cast<UINT_PTR>(this), 250, nullptr) != 0;
}

void TWinSkinForm::StopHoverTimer() {
  if (!hoverTimerOn_) return;
  KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
  hoverTimerOn_ = false;
  for (auto& control : controls_) {
    if (control) control->MouseLeft();
  }
}

void TWinSkinForm::RepaintObject(TNCObject& object) {
  WindowDC dc(window_, WindowDC::Whole);
  if (!dc) return;
  object.Paint(dc.Get());
}
