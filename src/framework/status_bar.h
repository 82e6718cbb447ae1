// Status bars on the system "msctls_statusbar32" class (superclassed).
//   TStatusPanel   one panel: text, width, alignment, bevel, drawn by the owner or not
//   TStatusBar     a row of panels (the last one reaches the right edge), or one simple
//                  panel with SimpleText; a size grip at the right when SizeGrip is set.
//                  It stays where its bounds put it (no automatic docking).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/win_control.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

struct TStatusPanel {
  std::string Text;
  int Width = 50;
  TAlignment Alignment = taLeftJustify;
  TStatusPanelBevel Bevel = pbLowered;
  TStatusPanelStyle Style = psText;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);
  const char* ClassName() const override { return "TStatusBar"; }
  void DefineProperties(TPropList& list) const override;

  void AddPanel(const TStatusPanel& panel);
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  const TStatusPanel& Panels(int index) const { return panels_.at(static_cast<size_t>(index)); }
  void SetPanelText(int index, const std::string& text);
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool simple);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);
  bool SizeGrip = true;  // read when the window is made
  // Draws an owner-drawn panel (panel index, its rectangle, the DC).
  std::function<void(TStatusBar& bar, int panel, const RECT& rect, HDC dc)> OnDrawPanel;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void BoundsChanged() override;
  bool HandleMessage(TMessage& message) override;

 private:
  void SendPanels();
  std::vector<TStatusPanel> panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
};
