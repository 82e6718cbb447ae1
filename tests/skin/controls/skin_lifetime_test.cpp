// Wrappers detached in every order (wrapper first, control first, window first, list
// first) leave no GDI or USER objects, no overlay windows and no control that still
// answers the query-skinned message; the query is answered only while wrapped.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "control_test_support.h"
#include "framework/buttons.h"
#include "framework/list_controls.h"
#include "framework/memo.h"
#include "framework/scroll_controls.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_control_list.h"
#include "skin/controls/skin_messages.h"

using namespace controltest;

namespace {
enum class Order { WrappersFirst, ControlsFirst, WindowsFirst, ListFirst };

struct Counts {
  DWORD gdi, user;
  // Child windows; of them, scroll-bar overlays, and other windows answering the
  // query-skinned message (wrapped controls).
  int windows, overlays, skinned;
};

BOOL CALLBACK CountChild(HWND w, LPARAM p) {
  auto* counts = reinterpret_cast<Counts*>(p);
  ++counts->windows;
  wchar_t name[32] = L"";
  GetClassNameW(w, name, 32);
  if (lstrcmpW(name, L"TWScrollbar") == 0)
    ++counts->overlays;
  else if (SendMessageW(w, skinmsg::kQuerySkinned, 0, 0) == 1)
    ++counts->skinned;
  return TRUE;
}

Counts Measure(HWND form) {
  Pump();
  Counts c{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
           GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), 0, 0, 0};
  if (form) EnumChildWindows(form, &CountChild, reinterpret_cast<LPARAM>(&c));
  return c;
}

// One round: a form with controls of every kind, all wrapped, then undone in order.
void Round(TSkinData* skin, Order order, Counts* whileSkinned) {
  auto form = MakeForm(300, 240);
  auto* list = new TSkinControlList;
  std::vector<TControl*> controls;
  auto add = [&](TControl* c, int y) {
    c->SetParent(form.get());
    c->SetBounds(10, y, 200, 40);
    controls.push_back(c);
  };
  add(new TButton(form.get()), 0);
  add(new TCheckBox(form.get()), 40);
  add(new TRadioButton(form.get()), 80);
  auto* memo = new TMemo(form.get());
  memo->SetScrollBars(ssBoth);
  add(memo, 120);
  add(new TListBox(form.get()), 160);
  auto* bar = new TScrollBar(form.get());
  add(bar, 200);
  const char* wrappers[] = {"TSkinButton", "TSkinCheckBox", "TSkinRadioButton",
                            "TSkinScrollbar", "TSkinScrollbar", "TSkinScControl"};
  std::vector<TSkinControl*> made;
  for (size_t i = 0; i < controls.size(); ++i)
    made.push_back(SkinFrameworkControl(wrappers[i], controls[i], list, skin, true));
  for (TControl* c : controls) c->Invalidate();
  if (whileSkinned) *whileSkinned = Measure(form->Handle());
  switch (order) {
    case Order::WrappersFirst:
      for (TSkinControl* w : made) delete w;
      EXPECT_TRUE(list->Items().empty());
      break;
    case Order::ControlsFirst:
      for (TControl* c : controls) delete c;
      EXPECT_TRUE(list->Items().empty());
      break;
    case Order::WindowsFirst:
      form->DestroyHandle();  // wrappers are told at WM_NCDESTROY and wait, dead
      for (TSkinControl* w : made) EXPECT_EQ(w->State(), TSkinControl::kStateDead);
      break;
    case Order::ListFirst:
      delete list;
      list = nullptr;
      for (TSkinControl* w : made) EXPECT_EQ(w->WindowSkin(), nullptr);
      break;
  }
  form.reset();
  delete list;
}
}  // namespace

class SkinLifetimeTest : public ::testing::TestWithParam<Order> {};

TEST_P(SkinLifetimeTest, DetachingInAnyOrderLeavesNothingBehind) {
  auto skin = MakeSkin();
  ASSERT_TRUE(skin);
  Round(skin.get(), GetParam(), nullptr);  // warms up caches (fonts, classes)
  auto empty = MakeForm(300, 240);
  Counts before = Measure(empty->Handle());
  empty.reset();
  Counts skinned{};
  Round(skin.get(), GetParam(), &skinned);
  EXPECT_EQ(skinned.skinned, 6);
  // The memo's two bars and the scroll-bar control have overlay windows; the empty list
  // box shows no bar, so its overlays have none.
  EXPECT_EQ(skinned.overlays, 3);
  EXPECT_EQ(skinned.windows, 6 + 3);
  auto after = MakeForm(300, 240);
  Counts now = Measure(after->Handle());
  EXPECT_EQ(now.gdi, before.gdi);
  EXPECT_EQ(now.user, before.user);
  EXPECT_EQ(now.windows, 0);
}

INSTANTIATE_TEST_SUITE_P(Orders, SkinLifetimeTest,
                         ::testing::Values(Order::WrappersFirst, Order::ControlsFirst,
                                           Order::WindowsFirst, Order::ListFirst));

TEST(SkinQuery, AnsweredOnlyWhileWrappedAndSwitchable) {
  auto skin = MakeSkin();
  ASSERT_TRUE(skin);
  auto form = MakeForm(200, 100);
  TSkinControlList list;
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  EXPECT_EQ(SendMessageW(button->Handle(), skinmsg::kQuerySkinned, 0, 0), 0);
  TSkinControl* w = SkinFrameworkControl("TSkinButton", button, &list, skin.get(), false);
  ASSERT_TRUE(w);
  EXPECT_EQ(list.FindByControl(button), w);
  EXPECT_EQ(list.FindByHandle(button->Handle()), w);
  EXPECT_EQ(SendMessageW(button->Handle(), skinmsg::kQuerySkinned, 0, 0), 1);
  w->InitSkin(&list, skin.get(), false);  // a second attach does nothing
  EXPECT_EQ(list.Items().size(), 1u);
  SendMessageW(button->Handle(), skinmsg::kControlSkinSwitch, 0, 0);
  EXPECT_FALSE(w->Active());
  EXPECT_EQ(SendMessageW(button->Handle(), skinmsg::kQuerySkinned, 0, 0), 0);
  SendMessageW(button->Handle(), skinmsg::kControlSkinSwitch, 1, 0);
  EXPECT_TRUE(w->Active());
  delete w;
  EXPECT_EQ(SendMessageW(button->Handle(), skinmsg::kQuerySkinned, 0, 0), 0);
  EXPECT_TRUE(list.Items().empty());
  EXPECT_EQ(NewSkinControl("TSkinNothing", nullptr), nullptr);
}
