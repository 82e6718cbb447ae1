// THeaderControl: the system's header control (superclassed), a row of column captions.
// The control object keeps its sections (text, width, alignment) and puts them into the
// window whenever it is made.
#pragma once
#include <string>
#include <vector>

#include "framework/label.h"
#include "framework/win_control.h"

struct THeaderSection {
  std::string Text;
  int Width = 80;
  TAlignment Alignment = taLeftJustify;
};

class THeaderControl : public TWinControl {
 public:
  explicit THeaderControl(TComponent* owner);
  const char* ClassName() const override { return "THeaderControl"; }
  void DefineProperties(TPropList& list) const override;

  void AddSection(const std::string& text, int width, TAlignment alignment = taLeftJustify);
  void ClearSections();
  const std::vector<THeaderSection>& Sections() const { return sections_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

 private:
  void InsertItem(int index);
  std::vector<THeaderSection> sections_;
};
