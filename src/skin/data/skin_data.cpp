// TSkinData: skin source, skin reading, options and the skin manager requests.
#include "skin/data/skin_data.h"

#include <commctrl.h>

#include <limits>
#include <utility>

#include "framework/application.h"
#include "framework/file_system.h"
#include "framework/form.h"
#include "framework/wide.h"
#include "skin/data/builtin_bitmaps.h"
#include "skin/data/image_utils.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_manager_link.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_reader.h"

namespace {

constexpr unsigned kRequestDelayMs = 250;
constexpr unsigned kSkinAll = 1;
constexpr unsigned kUnskinAll = 2;
constexpr unsigned kSkinChanged = 3;
// A skin file cannot sensibly be larger than the largest package it may hold.
constexpr int64_t kMaxSkinFileSize = 2 * skinpkg::kMaxPackageSize;

// The application's modal message box; a plain one when there is no application.
void MessageBoxMessage(const std::string& text) {
  if (TApplication* app = Application()) {
    app->ShowMessageBox(text, MB_OK);
  } else {
    MessageBoxW(GetActiveWindow(), Widen(text).c_str(), L"", MB_OK | MB_TASKMODAL);
  }
}

bool HasGetScrollBarInfo() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 && GetProcAddress(user32, "GetScrollBarInfo") != nullptr;
}

// A plain device-dependent copy of a bitmap that is selected into no DC, as image lists
// need it.
OwnedBitmap DetachedCopy(const TBitmap& source) {
  WindowDC screen(nullptr);
  OwnedBitmap copy(CreateCompatibleBitmap(screen.Get(), source.Width(), source.Height()));
  if (!copy) return copy;
  MemoryDC dc(screen.Get());
  SelectGuard select(dc.Get(), copy.Get());
  BitBlt(dc.Get(), 0, 0, source.Width(), source.Height(), source.Canvas(), 0, 0, SRCCOPY);
  return copy;
}

HIMAGELIST MakeMenuImages() {
  TBitmap glyphs;
  if (!LoadBuiltinBitmap("MORVANEMENU", glyphs) || glyphs.Empty()) return nullptr;
  OwnedBitmap copy = DetachedCopy(glyphs);
  if (!copy) return nullptr;
  HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, glyphs.Width() / 16, 0);
  if (list) ImageList_AddMasked(list, copy.Get(), RGB(255, 255, 255));
  return list;
}

}  // namespace

TSkinData::TSkinData(TComponent* owner, std::vector<std::string> skin3rd)
    : TComponent(owner), Skin3rd(std::move(skin3rd)) {
  Objects.CreateAlwaysPresent();
  // Until a skin is read the colours are the system colours a skin defaults to.
  TQuickIni none;
  ReadSkinColours(none, Colours);
  Colours.TitleColour = Colours.ButtonFace;
  menuImages_.Reset(MakeMenuImages());
}

TSkinData::~TSkinData() {
  if (ISkinManagerLink* manager = CurrentSkinManager()) manager->Unregister(*this);
}

void TSkinData::Show(const std::string& text) {
  if (ShowMessage) {
    ShowMessage(text);
  } else {
    MessageBoxMessage(text);
  }
}

void TSkinData::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (loading_) return;
  ISkinManagerLink* manager = CurrentSkinManager();
  if (!manager) return;
  switch (SkinFormtype) {
    case sfMainform:
      if (value) {
        // Without a skin nothing starts; Active still reads true.
        if (skinEmpty_) return;
        manager->SetRequestingSkinData(this);
        manager->Request(kSkinAll, kRequestDelayMs);
        manager->SetRunState(1);
      } else {
        manager->SetRequestingSkinData(this);
        manager->Request(kUnskinAll, kRequestDelayMs);
      }
      break;
    case sfOnlyThisForm:
      manager->SetRequestingSkinData(this);
      if (value && skinEmpty_) return;
      manager->Request(value ? kSkinAll : kUnskinAll, kRequestDelayMs);
      break;
    case sfDialog:
    case sfDLL:
      break;
  }
}

void TSkinData::SetSkinFile(const std::string& value) {
  if (value.empty() || !fsys::FileExists(value)) {  // a missing file is ignored
    skinEmpty_ = true;
    skinFile_ = value;
    return;
  }
  // The file is read whole and parsed here, so it may be deleted as soon as this returns.
  // A file that cannot be read or holds a refused skin leaves everything as it was.
  try {
    const int64_t size = fsys::FileSize(value);
    if (size < 0 || size > kMaxSkinFileSize) {
      Show("Cannot read the skin file " + value + ": it is too large.");
      return;
    }
    TFileStream file(value, FileMode::Read);
    std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
    if (!bytes.empty()) file.ReadBuffer(bytes.data(), bytes.size());
    if (!AcceptSkinBytes(std::move(bytes))) return;
  } catch (const EStreamError& e) {
    Show("Cannot read the skin file " + value + ": " + e.what());
    return;
  }
  skinFile_ = value;
  if (SkinFormtype == sfMainform) ApplySkin();
}

bool TSkinData::AcceptSkinBytes(std::vector<uint8_t> bytes) {
  TMemoryStream candidate(std::move(bytes));
  if (!ReadSkin(candidate)) return false;
  skinStream_.Bytes().swap(candidate.Bytes());
  skinStream_.Seek(0);
  return true;
}

void TSkinData::ReadSkinStream(TStream& source) {
  int32_t length = 0;
  source.ReadBuffer(&length, sizeof length);
  if (length <= 0) return;
  if (length > source.Size() - source.Position() || length > kMaxSkinFileSize) {
    throw EStreamError("SkinStream: the stored skin is longer than the data holding it");
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  source.ReadBuffer(bytes.data(), bytes.size());
  AcceptSkinBytes(std::move(bytes));
}

void TSkinData::WriteSkinStream(TStream& target) const {
  const int64_t size = skinStream_.Size();
  if (size > std::numeric_limits<int32_t>::max()) {
    throw EStreamError("SkinStream: the skin is too large to store");
  }
  const int32_t length = static_cast<int32_t>(size);
  target.Write(&length, sizeof length);
  if (length > 0) target.Write(skinStream_.Bytes().data(), static_cast<size_t>(length));
}

bool TSkinData::LoadSkinFromStream() {
  skinEmpty_ = true;
  return ReadSkin(skinStream_);
}

bool TSkinData::ReadSkin(TMemoryStream& stream) {
  TSkinReader reader;
  if (!reader.LoadPackage(stream)) {
    Show(reader.Message());
    return false;
  }
  TMemoryStream description;
  std::string entryName;
  reader.FindEntry(".ini", description, entryName);
  description.Seek(0);
  TQuickIni ini;
  ini.LoadFromStream(description);
  ReadSkinDescription(ini, reader);
  return true;
}

void TSkinData::ReadSkinDescription(const TQuickIni& ini, const TSkinReader& package) {
  TSkinObjects next;
  next.CreateAlwaysPresent();
  TSkinColourTable colours = Colours;
  ReadSkinObjects(ini, package, Objects, next, colours, OnImageProblem ? &OnImageProblem : nullptr);
  OwnedBrush brush(CreateSolidBrush(static_cast<COLORREF>(ResolveColour(colours.ButtonFace))));

  // Everything is built: take it over.
  TakeOverSkinObjects(Objects, std::move(next));
  Colours = std::move(colours);
  faceBrush_ = std::move(brush);
  skinEmpty_ = false;
}

void TSkinData::ApplySkin() {
  if (loading_) return;
  if (!CurrentSkinManager()) Loaded();
  ISkinManagerLink& manager = EnsureSkinManager();
  manager.SetRequestingSkinData(this);
  manager.ClearCaptionButtons();
  if (manager.RunState() == 1) manager.Request(kSkinChanged, kRequestDelayMs);
}

void TSkinData::Loaded() {
  loading_ = false;
  if (!HasGetScrollBarInfo()) SkinControls = WithoutControl(SkinControls, xcScrollbar);
  ISkinManagerLink& manager = EnsureSkinManager();
  manager.Register(*this);

  if (SkinFormtype != sfMainform) {
    manager.SetEnabled(true);
    manager.SetRunState(manager.RunState() + 1);
    if (active_) {
      if (HWND owner = OwnerFormWindow()) manager.SkinWindow(owner);
    }
    return;
  }

  manager.InstallHook();
  if (active_) {
    if (skinEmpty_) {
      active_ = false;
    } else {
      manager.SetRequestingSkinData(this);
      manager.Request(kSkinAll, kRequestDelayMs);
    }
  }
  if (HasControl(SkinControls, xcMainMenu)) {
    SkinControls = WithoutControl(SkinControls, xcMenuItem);
  } else {
    SkinControls = WithoutControl(SkinControls, xcSystemMenu);
  }
  MakeAppIcon(ApplicationIcon());
}

void TSkinData::DoFormSkin(HWND window, const std::string& className, bool& doSkin) {
  (void)window;
  if (OnFormSkin) {
    OnFormSkin(this, className, doSkin);
    return;
  }
  if (className == "SysMonthCal32") {
    doSkin = false;
  } else if (HasControl(SkinControls, xcFastReport) && className.compare(0, 3, "Tfr") == 0) {
    doSkin = false;
  }
}

void TSkinData::DoSkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

HWND TSkinData::OwnerFormWindow() {
  if (OwnerWindow) return OwnerWindow();
  if (auto* form = dynamic_cast<TForm*>(Owner())) return form->Handle();
  return nullptr;
}

HICON TSkinData::WindowIcon(HWND window) {
  if (!window) return nullptr;
  HICON icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  return icon;
}

HICON TSkinData::ApplicationIcon() {
  TApplication* app = Application();
  if (!app) return nullptr;
  if (app->Icon) return app->Icon;
  TForm* main = app->MainForm();
  return main && main->HandleAllocated() ? WindowIcon(main->Handle()) : nullptr;
}

void TSkinData::MakeAppIcon(HICON icon) {
  if (!icon) return;
  const int cx = GetSystemMetrics(SM_CXSMICON);
  const int cy = GetSystemMetrics(SM_CYSMICON);
  TBitmap bitmap(cx, cy);
  if (bitmap.Empty()) return;
  bitmap.Fill(kSkinKeyColour);
  HICON copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
  if (!copy) return;
  DrawIconEx(bitmap.Canvas(), 0, 0, copy, cx, cy, 0, nullptr, DI_NORMAL);
  DestroyIcon(copy);
  AppIcon = std::move(bitmap);
}
