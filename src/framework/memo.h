// Text controls on the system "EDIT" class (superclassed).
//   TCustomEdit   base of the edit controls: border and read-only flag, the text
//   TEdit         single-line edit; publishes TCustomEdit
//   TCustomMemo   multi-line edit with window scroll bars (ScrollBars) and word wrap
//   TMemo         publishes TCustomMemo
#pragma once
#include <string>
#include <vector>

#include "framework/win_control.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
const std::vector<std::string>& BorderStyleNames();  // "bsNone", "bsSingle"

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  const char* ClassName() const override { return "TCustomEdit"; }
  void DefineProperties(TPropList& list) const override;

  bool BorderSingle = true;  // BorderStyle bsSingle (sunken client edge) or bsNone
  bool ReadOnly = false;
  // The text as the window holds it (the user may have typed).
  std::string Text();
  void SetText(const std::string& text) { SetCaption(text); }

 protected:
  void CreateParams(TCreateParams& params) override;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
  const char* ClassName() const override { return "TEdit"; }
};

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* owner);
  const char* ClassName() const override { return "TCustomMemo"; }
  void DefineProperties(TPropList& list) const override;

  TScrollStyle ScrollBars() const { return scrollBars_; }
  // The window scroll bars; an existing window is made again with them.
  void SetScrollBars(TScrollStyle value);
  bool WordWrap = true;
  // Appends a line (lines are separated by CR LF).
  void AddLine(const std::string& line);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TScrollStyle scrollBars_ = ssNone;
};

class TMemo : public TCustomMemo {
 public:
  explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
  const char* ClassName() const override { return "TMemo"; }
};
