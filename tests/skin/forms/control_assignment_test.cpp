// The control assignment on forms of real framework controls under Wine: which wrapper
// each row of the class table and each Skin3rd kind gives (the rows alone without the
// class map step), the SkinControls member a row needs, OnSkinControl, the DisableTag
// handed on by radio groups, a control reached twice wrapped once, the skin's own
// scroll-bar overlays never offered a wrapper, and a scroll-bar wrapper replaced after
// its control's window was made again.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "../controls/control_test_support.h"
#include "../data/test_skins.h"
#include "framework/buttons.h"
#include "framework/combo_box.h"
#include "framework/date_time_picker.h"
#include "framework/group_box.h"
#include "framework/list_controls.h"
#include "framework/memo.h"
#include "framework/panel.h"
#include "framework/progress_bar.h"
#include "framework/radio_group.h"
#include "framework/tab_controls.h"
#include "framework/tab_set.h"
#include "framework/track_bar.h"
#include "framework/up_down.h"
#include "skin/controls/skin_bit_button.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_control_list.h"
#include "skin/controls/skin_messages.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/forms/control_assignment.h"

using namespace controltest;

namespace {
const TColor kWhite = RgbColour(255, 255, 255);

// A framework control under another class name, as other libraries' controls are met.
template <class Base>
class Named : public Base {
 public:
  Named(TComponent* owner, const char* name) : Base(owner), name_(name) {}
  const char* ClassName() const override { return name_; }

 private:
  const char* name_;
};

// A windowed control with the integer property "NumButtons" (the "TDCEDIT" rows; not a
// TCustomEdit, whose row would come first).
class TButtonsEdit : public TWinControl {
 public:
  TButtonsEdit(TComponent* owner, int buttons) : TWinControl(owner), buttons_(buttons) {}
  const char* ClassName() const override { return "TDCEdit"; }
  void DefineProperties(TPropList& list) const override {
    TWinControl::DefineProperties(list);
    list.Integer<TButtonsEdit>("NumButtons", [](TButtonsEdit& e) -> int64_t { return e.buttons_; });
  }

 private:
  int buttons_;
};

class ControlAssignmentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = MakeSkin();
    ASSERT_TRUE(skin_);
    form_ = MakeForm(400, 300);
  }
  void TearDown() override {
    entries_.clear();  // frees the wrappers before their controls
    form_.reset();
  }
  template <class T, class... Args>
  T* Put(TWinControl* parent, Args&&... args) {
    auto* control = new T(form_.get(), std::forward<Args>(args)...);
    control->SetParent(parent);
    control->SetBounds(10 + 30 * (count_ % 10), 10 + 30 * (count_ / 10), 26, 26);
    ++count_;
    return control;
  }
  // A control of class T owned by parent and placed on it (reached only through it).
  template <class T>
  T* OwnedBy(TWinControl* parent) {
    auto* control = new T(parent);
    control->SetParent(parent);
    return control;
  }
  TRadioGroup* PutRadioGroup() {
    auto* group = new TRadioGroup(form_.get());
    group->SetParent(form_.get());
    group->SetBounds(10, 150, 150, 90);
    group->SetItems({"One", "Two"});
    return group;
  }
  TControlAssignment& Assign(TClassMapStep classMap = Skin3rdClassMap) {
    assignment_ = std::make_unique<TControlAssignment>(*skin_, entries_, form_->Handle(),
                                                       AllSkinControlKinds(), classMap);
    assignment_->SkinFormControls(*form_);
    return *assignment_;
  }
  // One row of a table: a control and the class of the wrapper it must get ("none").
  struct Row {
    TControl* control;
    std::string wrapper;
  };
  // Assigns the form's controls and checks every row.
  void ExpectWrappers(const std::vector<Row>& rows, TClassMapStep classMap = Skin3rdClassMap) {
    Assign(classMap);
    for (size_t i = 0; i < rows.size(); ++i)
      EXPECT_EQ(WrapperClass(rows[i].control), rows[i].wrapper) << "row " << i << " " << rows[i].control->ClassName();
  }
  // The class of the control's wrapper, "none" without one.
  std::string WrapperClass(TControl* control) const {
    TSkinControl* wrapper = assignment_->WrapperOf(control);
    return wrapper ? wrapper->ClassName() : "none";
  }
  int EntriesFor(TWinControl* control) const {
    int n = 0;
    for (const auto& entry : entries_) n += entry->ControlWindow() == control->Handle();
    return n;
  }

  std::unique_ptr<TSkinData> skin_;
  std::unique_ptr<TForm> form_;
  TSkinnedControlList entries_;
  std::unique_ptr<TControlAssignment> assignment_;
  int count_ = 0;
};

}  // namespace

TEST_F(ControlAssignmentTest, TableRowsPickTheirWrappers) {
  auto* list = Put<TListBox>(form_.get());  // a window with WS_VSCROLL while it scrolls
  for (int i = 0; i < 20; ++i) list->AddItem("item");
  auto* group = Put<TGroupBox>(form_.get());
  auto* panel = Put<TPanel>(form_.get());
  auto* mvc = Put<Named<TPanel>>(form_.get(), "TMvcPanel");
  auto* dcEdit0 = Put<TButtonsEdit>(form_.get(), 0);  // an edit wrapper on its window
  auto* radioGroup = PutRadioGroup();
  const std::vector<Row> rows = {
      {Put<TCheckBox>(form_.get()), "TSkinCheckBox"},
      {Put<TRadioButton>(form_.get()), "TSkinRadioButton"},
      {Put<TProgressBar>(form_.get()), "TSkinProgress"},
      {Put<TMemo>(form_.get()), "TSkinScrollbar"},
      {Put<Named<TMemo>>(form_.get(), "TRichEdit"), "TSkinScrollbar"},
      {list, "TSkinScrollbar"},
      {Put<TButton>(form_.get()), "TSkinButton"},
      {Put<TEdit>(form_.get()), "TSkinEdit"},
      {group, "TSkinGroupBox"},
      {Put<TButton>(group), "TSkinButton"},
      {Put<TCheckBox>(panel), "TSkinCheckBox"},
      {mvc, "none"},  // its children are assigned instead
      {Put<TEdit>(mvc), "TSkinEdit"},
      {Put<Named<TEdit>>(form_.get(), "TDBComboBoxEh"), "none"},
      {Put<TButtonsEdit>(form_.get(), 2), "none"},  // neither 0 nor 1: no wrapper
      // A radio group is a group box: its buttons (owned by the group) are reached through it.
      {radioGroup, "TSkinGroupBox"},
      {radioGroup->Button(0), "TSkinRadioButton"},
      {radioGroup->Button(1), "TSkinRadioButton"},
  };
  ExpectWrappers(rows);
  TSkinControl* byHandle = assignment_->WrapperOf(dcEdit0->Handle());
  ASSERT_NE(byHandle, nullptr);
  EXPECT_STREQ(byHandle->ClassName(), "TSkinEdit");
  EXPECT_EQ(byHandle->Control(), nullptr);  // attached to the bare window
  // Every wrapped control answers the query-skinned message and has one entry.
  for (const Row& row : rows) {
    auto* windowed = dynamic_cast<TWinControl*>(row.control);
    if (row.wrapper == "none" || !windowed) continue;
    EXPECT_EQ(SendMessageW(windowed->Handle(), skinmsg::kQuerySkinned, 0, 0), 1) << windowed->ClassName();
    EXPECT_EQ(EntriesFor(windowed), 1) << windowed->ClassName();
  }
}

TEST_F(ControlAssignmentTest, ARowWhoseMemberIsClearLetsTheSearchGoOn) {
  skin_->SkinControls = WithoutControl(WithoutControl(skin_->SkinControls, xcScrollbar), xcRadioButton);
  ExpectWrappers({{Put<TMemo>(form_.get()), "TSkinEdit"},  // the memo rows need xcScrollbar
                  {Put<TRadioButton>(form_.get()), "none"},  // no later row
                  {Put<TCheckBox>(form_.get()), "TSkinCheckBox"}});
  // A check box stays a check box although a later row (any button control) could match.
  skin_->SkinControls = WithoutControl(skin_->SkinControls, xcCheckBox);
  ExpectWrappers({{Put<TCheckBox>(form_.get()), "none"}});
}

TEST_F(ControlAssignmentTest, Skin3rdLinesRouteClassesAndNilBeatsABuiltInRule) {
  skin_->Skin3rd = {"TEditX=button", "tedit=NIL", "TEdit=edit", "TButton=CheckBox",
                    "TMvcPanel=container", "TPanel=groupbox", "TMemo=combobox"};
  skin_->SkinControls = WithoutControl(skin_->SkinControls, xcCombo);
  auto* mvc = Put<Named<TPanel>>(form_.get(), "TMvcPanel");
  ExpectWrappers({{Put<TEdit>(form_.get()), "none"},            // "nil" wins over the TCustomEdit row
                  {Put<TButton>(form_.get()), "TSkinCheckBox"},  // the map's kind, not the TButton row
                  {Put<TCheckBox>(mvc), "TSkinCheckBox"},
                  {mvc, "none"},
                  {Put<TPanel>(form_.get()), "TSkinGroupBox"},
                  {Put<TMemo>(form_.get()), "none"}});  // matched, but xcCombo is clear: no built-in row
  // The "edit" kind wraps only an edit with a border.
  skin_->Skin3rd = {"TEdit=edit"};
  auto* bordered = Put<TEdit>(form_.get());
  auto* bare = Put<TEdit>(form_.get());
  bare->BorderSingle = false;
  bare->RecreateWnd();
  ExpectWrappers({{bordered, "TSkinEdit"}, {bare, "none"}});
}

TEST_F(ControlAssignmentTest, WithoutAClassMapStepTheBuiltInRulesDecide) {
  skin_->Skin3rd = {"TEdit=nil", "TButton=CheckBox"};
  ExpectWrappers({{Put<TEdit>(form_.get()), "TSkinEdit"}, {Put<TButton>(form_.get()), "TSkinButton"}},
                 nullptr);
}

// A button with the enumeration property "Kind" (the "bitbtn" kind's drop-down test).
class TKindButton : public TButton {
 public:
  TKindButton(TComponent* owner, const char* name, int kind) : TButton(owner), name_(name), kind_(kind) {}
  const char* ClassName() const override { return name_; }
  void DefineProperties(TPropList& list) const override {
    TButton::DefineProperties(list);
    list.Enumeration<TKindButton>("Kind", {"cxbkStandard", "cxbkDropDownButton"},
                                  [](TKindButton& b) -> int64_t { return b.kind_; });
  }

 private:
  const char* name_;
  int kind_;
};

TEST_F(ControlAssignmentTest, Skin3rdGroupAndScrollBarKindsReachTheChildren) {
  skin_->Skin3rd = {"TMyRadioGroup=radiogroup", "TMyCheckGroup=CheckGroup", "TMyBox=embedscrollbar",
                    "TMyScroller=scrollbar", "TMySingle=singlescrollbar", "TcxButton=bitbtn",
                    "TPngButton=pngbitbtn"};
  auto* radios = Put<Named<TGroupBox>>(form_.get(), "TMyRadioGroup");
  radios->SetBounds(10, 100, 150, 80);
  auto* checks = Put<Named<TGroupBox>>(form_.get(), "TMyCheckGroup");
  checks->SetBounds(170, 100, 150, 80);
  auto* box = Put<Named<TPanel>>(form_.get(), "TMyBox");
  box->SetBounds(10, 200, 150, 80);
  auto* scroller = Put<Named<TPanel>>(form_.get(), "TMyScroller");
  scroller->SetBounds(170, 200, 150, 80);
  auto* single = Put<Named<TMemo>>(form_.get(), "TMySingle");
  auto* png = Put<Named<TButton>>(form_.get(), "TPngButton");
  // The groups' and boxes' children are owned by them: reached only through them.
  ExpectWrappers({{radios, "TSkinGroupBox"},
                  {OwnedBy<TButton>(radios), "TSkinRadioButton"},
                  {checks, "TSkinGroupBox"},
                  {OwnedBy<TButton>(checks), "TSkinCheckBox"},
                  {box, "none"},
                  {OwnedBy<TMemo>(box), "TSkinScrollbar"},
                  {OwnedBy<TEdit>(box), "none"},  // no scroll bars: left alone
                  {scroller, "TSkinScrollbar"},
                  {OwnedBy<TCheckBox>(scroller), "TSkinCheckBox"},
                  {single, "TSkinScrollbar"},
                  {Put<TKindButton>(form_.get(), "TcxButton", 1), "TSkinMenuButton"},
                  {Put<TKindButton>(form_.get(), "TcxButton", 0), "TSkinBitButton"}});
  EXPECT_EQ(assignment_->WrapperOf(single)->Kind, 1);
  ASSERT_EQ(WrapperClass(png), "TSkinBitButton");
  EXPECT_EQ(static_cast<TSkinBitButton*>(assignment_->WrapperOf(png))->ImageProperty, "PngImage");
}

TEST_F(ControlAssignmentTest, ForeignAndSpinRowsAndSkin3rdForFrameworkControls) {
  skin_->Skin3rd = {"TComboBox=combobox", "TDateTimePicker=datetimepicker", "TTrackBar=trackbar"};
  auto* rz = Put<Named<TPanel>>(form_.get(), "TRzCheckBox");  // not a TCustomCheckBox
  ExpectWrappers({{rz, "TSkinObjImage"},  // the "TRZCHECKBOX" row, image kind 1
                  {Put<TTrackBar>(form_.get()), "TSkinTrackBar"},
                  {Put<TUpDown>(form_.get()), "TSkinUpDown"},  // the "TUPDOWN" row
                  {Put<TComboBox>(form_.get()), "TSkinComBox"},
                  {Put<TDateTimePicker>(form_.get()), "TSkinDateTime"}});
  EXPECT_EQ(assignment_->WrapperOf(rz)->Kind, 1);
  // Without the lines these framework controls match no built-in rule.
  skin_->Skin3rd.clear();
  ExpectWrappers({{Put<TComboBox>(form_.get()), "none"}});
}

TEST_F(ControlAssignmentTest, TabRowsNeedTheSkinsTabsObject) {
  skin_->Skin3rd = {"TPageControl=tab"};
  auto* set = Put<TTabSet>(form_.get());
  auto* pages = Put<TPageControl>(form_.get());
  ExpectWrappers({{set, "none"}, {pages, "none"}});  // the test skin has no Tabs object
  entries_.clear();  // nothing may hold the first skin once it goes
  SkinOptions withTabs;
  withTabs.extra = "[Tabs]\nImage=tabs.bmp\n";
  withTabs.images = {{"tabs.bmp", testskin::Cells(100, 20, 5, {kWhite, kWhite, kWhite, kWhite, kWhite})}};
  skin_ = MakeSkin(withTabs);
  ASSERT_TRUE(skin_ && skin_->Objects.Tabs);
  skin_->Skin3rd = {"TPageControl=tab"};
  ExpectWrappers({{set, "TSkinTab31"}, {pages, "TSkinTab"}});  // TTabSet: the "TTABSET" row
}

TEST_F(ControlAssignmentTest, OnSkinControlFillsTheSlotOrLetsTheRulesDecide) {
  std::string seenClass;
  skin_->OnSkinControl = [&](TComponent*, TSkinData* data, TComponent* parent, TComponent* control,
                             const std::string& upperClass, TSkinControl*& slot) {
    EXPECT_EQ(data, skin_.get());
    EXPECT_EQ(parent, form_.get());
    if (upperClass == "TEDIT") {
      seenClass = upperClass;
      slot = new TSkinButton(control);  // the handler's own choice
    }
  };
  auto* edit = Put<TEdit>(form_.get());
  auto* check = Put<TCheckBox>(form_.get());
  Assign();
  EXPECT_EQ(seenClass, "TEDIT");
  EXPECT_EQ(WrapperClass(edit), "TSkinButton");
  EXPECT_EQ(EntriesFor(edit), 1);
  EXPECT_EQ(SendMessageW(edit->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  EXPECT_EQ(WrapperClass(check), "TSkinCheckBox");
}

TEST_F(ControlAssignmentTest, AFormPlacedOnTheFormIsABoxAndWhatItOwnsIsWrapped) {
  auto* inner = new TForm(form_.get());
  inner->BorderStyle = bsNone;
  inner->SetBounds(20, 20, 200, 120);
  inner->SetColor(RgbColour(255, 255, 255));
  inner->SetParent(form_.get());
  auto* button = new TButton(inner);  // owned by the inner form: reached through it
  button->SetParent(inner);
  button->SetBounds(10, 10, 80, 26);
  inner->Show();
  ASSERT_TRUE(GetWindowLongW(inner->Handle(), GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(GetParent(inner->Handle()), form_->Handle());
  Assign();
  EXPECT_EQ(WrapperClass(inner), "TSkinBox");
  EXPECT_EQ(WrapperClass(button), "TSkinButton");
  EXPECT_EQ(inner->Color(), skin_->Colours.ButtonFace);  // the box's face colour
}

TEST_F(ControlAssignmentTest, DisableTagKeepsTheSystemLookAndRadioGroupsHandItOn) {
  auto* tagged = Put<TButton>(form_.get());
  tagged->Tag = skin_->DisableTag;
  auto* radioGroup = PutRadioGroup();
  radioGroup->Tag = skin_->DisableTag;
  auto* group = Put<TGroupBox>(form_.get());  // a plain group box does not hand it on
  group->Tag = skin_->DisableTag;
  ExpectWrappers({{tagged, "none"},
                  {radioGroup, "none"},
                  {radioGroup->Button(0), "none"},
                  {radioGroup->Button(1), "none"},
                  {group, "none"},
                  {Put<TButton>(group), "TSkinButton"}});  // reached as the form's component
  EXPECT_NE(SendMessageW(tagged->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  EXPECT_EQ(radioGroup->Button(0)->Tag, skin_->DisableTag);
}

TEST_F(ControlAssignmentTest, AControlIsWrappedOnceOnly) {
  // Reached as a component of the form, in the form's tab order and through its group.
  auto* group = Put<TGroupBox>(form_.get());
  auto* button = Put<TButton>(group);
  auto* edit = Put<TEdit>(form_.get());
  Assign();
  const size_t first = entries_.size();
  EXPECT_EQ(EntriesFor(button), 1);
  EXPECT_EQ(EntriesFor(edit), 1);
  // A second run (a re-apply) adds nothing.
  Assign();
  EXPECT_EQ(entries_.size(), first);
  // A control that a wrapper of another list already answers for is left alone.
  auto* other = Put<TCheckBox>(form_.get());
  TSkinControlList otherList;
  auto* foreign = new TSkinButton(other);
  foreign->InitSkin(&otherList, skin_.get(), false);
  Assign();
  EXPECT_EQ(WrapperClass(other), "none");
  EXPECT_EQ(EntriesFor(other), 0);
  // Freed controls leave dead entries that the next run sweeps.
  edit->Free();
  Assign();
  EXPECT_EQ(entries_.size(), first - 1);
}

TEST_F(ControlAssignmentTest, ScrollBarOverlaysAreNeverOffered) {
  auto* memo = Put<TMemo>(form_.get());
  memo->SetBounds(10, 10, 150, 80);
  memo->SetScrollBars(ssVertical);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "Line " + std::to_string(i) + "\r\n";
  memo->SetText(text);
  std::vector<std::string> offered;
  skin_->OnSkinControl = [&](TComponent*, TSkinData*, TComponent*, TComponent*,
                             const std::string& upperClass, TSkinControl*&) {
    offered.push_back(upperClass);
  };
  Assign();
  auto* wrapper = dynamic_cast<TSkinScrollbar*>(assignment_->WrapperOf(memo));
  ASSERT_NE(wrapper, nullptr);
  ASSERT_TRUE(WaitFor([&] { return wrapper->VertOverlay()->Showing(); }));
  // The overlay now lies among the form's controls; a re-apply passes it by.
  EXPECT_EQ(SendMessageW(wrapper->VertOverlay()->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  offered.clear();
  const size_t before = entries_.size();
  Assign();
  EXPECT_TRUE(offered.empty()) << offered.front();
  EXPECT_EQ(entries_.size(), before);
}

TEST_F(ControlAssignmentTest, AScrollBarWrapperIsReplacedAfterItsWindowIsMadeAgain) {
  auto* memo = Put<TMemo>(form_.get());
  TControlAssignment& assignment = Assign();
  TSkinControl* before = assignment.WrapperOf(memo);
  ASSERT_NE(before, nullptr);
  const HWND oldWindow = memo->Handle();
  memo->SetScrollBars(ssVertical);  // makes the window again
  ASSERT_NE(memo->Handle(), oldWindow);
  assignment.ReplaceScrollbar(oldWindow);
  TSkinControl* after = assignment.WrapperOf(memo);
  ASSERT_NE(after, nullptr);
  EXPECT_STREQ(after->ClassName(), "TSkinScrollbar");
  EXPECT_EQ(after->Handle(), memo->Handle());
  EXPECT_EQ(SendMessageW(memo->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  EXPECT_EQ(EntriesFor(memo), 1);
}
