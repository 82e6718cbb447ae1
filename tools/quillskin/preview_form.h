// The preview window of `quillskin preview` (Windows only): a framework form skinned by
// the given skin, with a caption, an icon and the controls the engine can skin so far.
// Once the window is skinned and painted it reports a JSON line, writes a capture when
// asked and exits; or it stays open until closed or until its time is up.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/form.h"
#include "skin/controls/skin_control_list.h"

struct PreviewOptions {
  std::string skinFile;
  POINT at{40, 40};
  SIZE client{960, 600};
  std::string caption = "Quillmere skin preview";
  TFormBorderStyle border = bsSizeable;
  bool noMenu = false;
  bool rightToLeft = false;
  int state = 0;  // 0 normal, 1 maximised, 2 minimised
  bool inactive = false;
  bool mdi = false;
  std::string message;  // a message box to open once shown
  std::string capture;  // a BMP file to write once skinned and painted
  int exitAfterMs = -1;
  int openMenu = 0;  // the menu-bar menu to open once shown (1 the first; 0 none)
};

class TSkinControl;

class TPreviewForm : public TForm {
 public:
  TPreviewForm(TComponent* owner, const PreviewOptions& options,
               std::function<void(const std::string&)> report);
  const char* ClassName() const override { return "TPreviewForm"; }

  // Set when the run must end with status 1 (the capture could not be written).
  bool Failed = false;
  // The skin data's OnSkinControl: each shown control gets the wrapper it showcases
  // (the control assignment's rules decide for the others).
  void ChooseWrapper(TComponent* control, TSkinControl*& slot) const;

 protected:
  void CreateParams(TCreateParams& params) override;
  bool HandleMessage(TMessage& message) override;

 private:
  void Report(HWND window);
  void CloseAll();
  void OpenMessageBox();
  // The controls of every kind the wrappers skin, in each state shown at rest.
  void AddControls();
  // The media-player bar (preview_panels.cpp).
  void AddPanelsAndPlayer();
  // The first control takes the focus (its focused face shows).
  void FocusFirstControl();
  void OpenMenu();
  void CaptureOpenMenu();

  PreviewOptions options_;
  std::function<void(const std::string&)> report_;
  bool reported_ = false;
  // The exit time came before the report: close right after reporting.
  bool exitPending_ = false;
  bool shown_ = false;
  bool wrapped_ = false;
  std::vector<std::pair<TControl*, const char*>> skinned_;  // control, wrapper class
};

// The JSON line about a skinned window (screen coordinates, right and bottom exclusive).
std::string PreviewJson(HWND window);
// Writes the window's rectangle as the screen shows it to a 24-bit BMP file.
bool CaptureWindow(HWND window, const std::string& path);
