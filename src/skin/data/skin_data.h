// TSkinData (Windows only): the skin data component. It holds the skin source (a skin
// file read whole into SkinStream), reads a skin into skin objects and colours, carries
// the skinning options that form and control skinning read, switches skinning on and
// off through the skin manager, and fires the application's events.
//
// Life cycle, as for a component read with its form: create (usually owned by the
// form), set the stored properties, call Loaded() (which registers with the skin
// manager), then assign SkinFile and set Active at run time. Until Loaded() has run,
// Active and ApplySkin only store their values.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/component.h"
#include "framework/gdi.h"
#include "framework/stream.h"
#include "framework/user_handles.h"
#include "skin/data/skin_colours.h"
#include "skin/data/skin_data_types.h"
#include "skin/data/skin_object_set.h"

class TQuickIni;
class TSkinControl;
class TSkinReader;

class TSkinData : public TComponent {
 public:
  using TNotifyEvent = std::function<void(TSkinData* sender)>;
  // Asked before a window is skinned: (sender, window class name, var doSkin).
  using TFormSkinEvent =
      std::function<void(TSkinData* sender, const std::string& className, bool& doSkin)>;
  // Asked by a window skin for each control it meets: (window skin, this component, the
  // window's control, the control met, its class name in upper case, var wrapper).
  using TSkinControlEvent = std::function<void(TComponent* sender, TSkinData* skinData,
                                               TComponent* form, TComponent* control,
                                               const std::string& controlClass,
                                               TSkinControl*& skinnedControl)>;
  using TShowMessageEvent = std::function<void(const std::string& text)>;

  static constexpr const char* kVersion = "4.0.03.10";

  // skin3rd: the class map it starts with. A program whose controls are all of its own
  // classes, which no default line names, passes an empty map, and then does not carry
  // the default one.
  explicit TSkinData(TComponent* owner = nullptr,
                     std::vector<std::string> skin3rd = DefaultSkin3rd());
  ~TSkinData() override;

  const char* ClassName() const override { return "TSkinData"; }

  // ---- Published properties ----
  bool Active() const { return active_; }
  void SetActive(bool value);
  int DisableTag = 99;
  TSkinControlTypes SkinControls = kDefaultSkinControls;
  TSkinOptions Options = kDefaultSkinOptions;
  std::vector<std::string> Skin3rd;  // "TClassName=kind" lines; by default starts as DefaultSkin3rd()
  const std::string& SkinFile() const { return skinFile_; }
  void SetSkinFile(const std::string& value);
  std::string SkinStore() const { return "(none)"; }  // no design time in this program
  void SetSkinStore(const std::string&) {}
  TSkinFormType SkinFormtype = sfMainform;
  std::string Version() const { return kVersion; }
  void SetVersion(const std::string&) {}
  bool MenuUpdate = true;
  bool MenuMerge = false;
  TFormSkinEvent OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TSkinControlEvent OnSkinControl;

  // ---- Seams ----
  // Shows a message the component has for the user (a skin file of an old format, an
  // unreadable skin file); the application's modal message box unless replaced.
  TShowMessageEvent ShowMessage;
  // The window of the form that owns this component (sfOnlyThisForm skins it at
  // Loaded); when empty, the owner's window if the owner is a form.
  std::function<HWND()> OwnerWindow;
  // Hears about image keys of a skin that name no usable image (quillskin info).
  TImageProblemEvent OnImageProblem;

  // ---- Component life ----
  // After the stored properties were set: registers with the skin manager (created when
  // there is none), installs its hook or enables it, settles SkinControls, makes AppIcon.
  void Loaded();
  bool IsLoading() const { return loading_; }

  // ---- Stored SkinStream property: int32 length, then that many skin file bytes ----
  // Reading fills SkinStream and reads the skin from it; a length beyond the source
  // throws EStreamError and changes nothing, and a refused skin changes nothing.
  void ReadSkinStream(TStream& source);
  void WriteSkinStream(TStream& target) const;

  // ---- Skin reading ----
  // Reads SkinStream as a skin file; false (and SkinEmpty) when it is not a readable
  // skin, after showing the reader's message; the previous skin objects then stay.
  bool LoadSkinFromStream();
  // Builds every skin object and colour from a description and its package, then clears
  // SkinEmpty. All-or-nothing: on an exception the previous skin stays whole.
  void ReadSkinDescription(const TQuickIni& ini, const TSkinReader& package);
  // Hands a newly read skin to the skin manager (re-skins after 250 ms when running).
  void ApplySkin();

  // ---- Called by the skin manager ----
  void DoFormSkin(HWND window, const std::string& className, bool& doSkin);
  void DoSkinChanged();

  // ---- State ----
  bool SkinEmpty() const { return skinEmpty_; }
  TMemoryStream& SkinStream() { return skinStream_; }
  const TMemoryStream& SkinStream() const { return skinStream_; }
  TSkinObjects Objects;     // the skin objects; the always-present ones exist from creation
  TSkinColourTable Colours;  // the skin colour table
  // The application's small icon on 0xFF00FF (the transparent colour).
  TBitmap AppIcon;
  HBRUSH FaceBrush() const { return faceBrush_.Get(); }  // solid brush of ButtonFace
  HIMAGELIST MenuImages() const { return menuImages_.Get(); }  // 16 x 16 menu glyphs

  // Makes AppIcon from icon, drawn at the small-icon size on 0xFF00FF; keeps AppIcon
  // as it was when icon is null.
  void MakeAppIcon(HICON icon);
  // A window's small icon, else its big one (WM_GETICON); null when it has none.
  static HICON WindowIcon(HWND window);

 private:
  void Show(const std::string& text);
  HWND OwnerFormWindow();
  // The application's icon: the application's own, else its main form's window icon.
  static HICON ApplicationIcon();
  // Reads the skin file held in stream into the skin objects; false (message shown,
  // nothing changed) when the package is refused.
  bool ReadSkin(TMemoryStream& stream);
  // Reads a skin file's bytes; only when the skin is accepted do SkinStream and the
  // skin objects take it. A refused skin leaves the component exactly as it was.
  bool AcceptSkinBytes(std::vector<uint8_t> bytes);

  bool active_ = false;
  bool loading_ = true;
  bool skinEmpty_ = true;
  std::string skinFile_;
  TMemoryStream skinStream_;
  OwnedBrush faceBrush_;
  OwnedImageList menuImages_;
};
