// The preview's further controls (see preview_controls.h).
#include "preview_controls.h"

#include <string>

#include "framework/combo_box.h"
#include "framework/date_time_picker.h"
#include "framework/form.h"
#include "framework/memo.h"
#include "framework/status_bar.h"
#include "framework/tab_controls.h"
#include "framework/tab_set.h"
#include "framework/track_bar.h"
#include "framework/up_down.h"

namespace {
constexpr int kColumn = 640;  // left edge of the column these controls take

template <class T>
T* Make(TForm& form, const std::string& name, int x, int y, int w, int h) {
  auto* c = new T(&form);
  c->Name = name;
  c->SetBounds(x, y, w, h);
  return c;
}
}  // namespace

void AddPreviewComboBoxes(TForm& form, const PreviewAdd& add) {
  struct Placement {
    TComboBoxStyle style;
    int x, y;
    bool rightToLeft, disabled;
  };
  const Placement placements[] = {
      {csDropDown, kColumn, 16, false, false},          {csDropDownList, kColumn + 156, 16, false, false},
      {csOwnerDrawFixed, kColumn, 48, false, false},    {csOwnerDrawVariable, kColumn + 156, 48, false, false},
      {csDropDownList, kColumn, 80, true, false},       {csDropDownList, kColumn + 156, 80, false, true},
      {csSimple, kColumn, 112, false, false},
  };
  int number = 1;
  for (const Placement& p : placements) {
    auto* combo = Make<TComboBox>(form, "ComboBox" + std::to_string(number++), p.x, p.y, 148,
                                  p.style == csSimple ? 86 : 24);
    combo->SetStyle(p.style);
    for (const char* item : {"First item", "Second item", "Third item", "Fourth item", "Fifth item"})
      combo->AddItem(item);
    combo->SetItemIndex(0);
    if (p.rightToLeft) combo->SetItemIndex(1);
    combo->SetEnabled(!p.disabled);
    combo->RightToLeft = p.rightToLeft;
    add(combo, "TSkinComBox");
  }
}

void AddPreviewSpinControls(TForm& form, const PreviewAdd& add) {
  auto* edit = Make<TEdit>(form, "Edit2", kColumn + 156, 112, 60, 24);
  add(edit, "TSkinEdit");
  auto* spin = Make<TUpDown>(form, "UpDown1", kColumn + 218, 112, 18, 24);
  spin->Associate = edit;
  spin->SetPosition(42);
  add(spin, "TSkinUpDown");
  auto* horizontal = Make<TUpDown>(form, "UpDown2", kColumn + 244, 112, 30, 18);
  horizontal->Orientation = udHorizontal;
  add(horizontal, "TSkinUpDown");
  auto* disabled = Make<TUpDown>(form, "UpDown3", kColumn + 282, 112, 18, 24);
  disabled->SetEnabled(false);
  add(disabled, "TSkinUpDown");
  auto* date = Make<TDateTimePicker>(form, "DateTimePicker1", kColumn + 156, 144, 148, 24);
  add(date, "TSkinDateTime");
  auto* time = Make<TDateTimePicker>(form, "DateTimePicker2", kColumn + 156, 176, 148, 24);
  time->Kind = dtkTime;
  add(time, "TSkinDateTime");
}

void AddPreviewTabs(TForm& form, const PreviewAdd& add) {
  const TTabPosition positions[] = {tpTop, tpBottom, tpLeft, tpRight};
  const char* names[] = {"Top", "Bottom", "Left", "Right"};
  for (int i = 0; i < 4; ++i) {
    auto* tabs = Make<TTabControl>(form, std::string("TabControl") + std::to_string(i + 1),
                                   kColumn + (i % 2) * 156, 216 + (i / 2) * 128, 148, 120);
    tabs->TabPosition = positions[i];
    tabs->AddTab(names[i]);
    tabs->AddTab("Two");
    tabs->SetTabIndex(0);
    add(tabs, "TSkinTab");
  }
  auto* pages = Make<TPageControl>(form, "PageControl1", 16, 480, 240, 92);
  add(pages, "TSkinTab");
  for (const char* caption : {"Sheet", "Another"}) {
    auto* sheet = new TTabSheet(&form);
    sheet->Name = std::string("TabSheet") + (pages->PageCount() ? "2" : "1");
    sheet->SetCaption(caption);
    sheet->SetPageControl(pages);
    add(sheet, "TSkinTabSheet");
  }
  auto* set = Make<TTabSet>(form, "TabSet1", 280, 480, 340, 22);
  for (const char* caption : {"First", "Second", "Third"}) set->AddTab(caption);
  add(set, "TSkinTab31");
}

void AddPreviewBars(TForm& form, const PreviewAdd& add) {
  auto* lying = Make<TTrackBar>(form, "TrackBar1", 280, 510, 220, 40);
  lying->SetPosition(3);
  add(lying, "TSkinTrackBar");
  auto* standing = new TTrackBar(&form);
  standing->Name = "TrackBar2";
  standing->Orientation = trVertical;
  standing->SetBounds(520, 506, 40, 68);
  standing->SetPosition(6);
  add(standing, "TSkinTrackBar");
  auto* status = Make<TStatusBar>(form, "StatusBar1", 0, form.ClientHeight() - 22, form.ClientWidth(), 22);
  status->AddPanel({"Ready", 200, taLeftJustify, pbLowered, psText});
  status->AddPanel({"Raised, right-aligned", 220, taRightJustify, pbRaised, psText});
  status->AddPanel({"No bevel", 100, taLeftJustify, pbNone, psText});
  add(status, "TSkinStatusBar");
}
