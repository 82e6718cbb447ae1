// TForm: a top-level window with a border style, caption buttons, a client size, a
// start position and an icon. Closing the application's main form ends the
// application. FormCreate runs once the form has been created by the application.
#pragma once
#include <windows.h>

#include "framework/win_control.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum TPosition { poDesigned, poScreenCenter };
enum TDefaultMonitor { dmDesktop, dmPrimary };

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  const char* ClassName() const override { return "TForm"; }
  void DefineProperties(TPropList& list) const override;

  TFormBorderStyle BorderStyle = bsSizeable;
  unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;
  TPosition Position = poDesigned;
  TDefaultMonitor DefaultMonitor = dmPrimary;
  bool AutoScroll = false;
  HICON Icon = nullptr;  // borrowed; null: the application's icon

  // Sets the window size so that the client area gets this size.
  void SetClientSize(int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;

  // Runs the form's creation step (called once by TApplication::CreateForm).
  void DoCreate() { FormCreate(); }

 protected:
  virtual void FormCreate() {}
  void CreateParams(TCreateParams& params) override;
  RECT WindowBoundsForCreate() const override;
  bool HandleMessage(TMessage& message) override;
  void VisibleChanged() override;

 private:
  DWORD WindowStyle() const;
  DWORD WindowExStyle() const;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
};
