// The skin manager's decisions: which skin data a window takes, the preview and
// form-skin rules, and which windows are never skinned (a control's Tag 99, a window
// without area, a child window, another module's window, one that answers the
// query-skinned message).
#include <gtest/gtest.h>

#include "framework/form.h"
#include "gui_support.h"
#include "skin/controls/skin_messages.h"

namespace {

using gui::SkinnedSession;
using gui::TestWindow;
using gui::WaitFor;

// A registered component of the given scope holding the tests' skin.
std::unique_ptr<TSkinData> Extra(TSkinFormType type) {
  auto data = formskin::Load();
  data->SkinFormtype = type;
  data->Loaded();
  return data;
}

TEST(SkinManager, SkinDataChoiceByClassAndScope) {
  SkinnedSession session;  // the first main component
  TSkinManage& m = session.Manager();
  TestWindow window(L"Choice", 60, 60, 100, 60);
  EXPECT_EQ(m.ChooseSkinData(window.Get(), "SomeClass"), &session.Data());
  EXPECT_EQ(m.ChooseSkinData(window.Get(), "#32770"), &session.Data()) << "no dialog component";
  auto dialog = Extra(sfDialog);
  EXPECT_EQ(m.ChooseSkinData(window.Get(), "#32770"), dialog.get());
  EXPECT_EQ(m.ChooseSkinData(window.Get(), "TMessageForm"), dialog.get());
  EXPECT_EQ(m.ChooseSkinData(window.Get(), "SomeClass"), &session.Data());
  // Several main components: windows take the last, the main skin data stays the first.
  auto second = Extra(sfMainform);
  EXPECT_EQ(m.ChooseSkinData(window.Get(), "SomeClass"), second.get());
  EXPECT_EQ(m.MainSkinData(), &session.Data());
  // A component of one form wins for that form's window.
  TForm form(nullptr);
  form.SetBounds(10, 10, 120, 80);
  auto* own = new TSkinData(&form);
  own->SkinFormtype = sfOnlyThisForm;
  own->Loaded();
  EXPECT_EQ(m.ChooseSkinData(form.Handle(), "TForm"), own);
  EXPECT_EQ(m.ChooseSkinData(window.Get(), "SomeClass"), second.get());
}

TEST(SkinManager, PreviewAndFormSkinRules) {
  SkinnedSession session;
  TSkinManage& m = session.Manager();
  TestWindow window(L"Rules", 60, 60, 100, 60);
  EXPECT_TRUE(m.DecideSkin(window.Get(), "TPrintPreviewForm")) << "xoPreview is set";
  session.Data().Options = WithoutOption(session.Data().Options, xoPreview);
  EXPECT_FALSE(m.DecideSkin(window.Get(), "TPrintPreviewForm"));
  EXPECT_FALSE(m.DecideSkin(window.Get(), "SysMonthCal32"));
  EXPECT_TRUE(m.DecideSkin(window.Get(), "TForm1"));
  session.Data().OnFormSkin = [](TSkinData*, const std::string& name, bool& doSkin) {
    doSkin = name == "SysMonthCal32";
  };
  EXPECT_TRUE(m.DecideSkin(window.Get(), "SysMonthCal32"));
  EXPECT_FALSE(m.DecideSkin(window.Get(), "TForm1"));
}

TEST(SkinManager, WindowsThatAreNeverSkinned) {
  SkinnedSession session;
  TSkinManage& m = session.Manager();
  // A framework control whose Tag is 99.
  TForm tagged(nullptr);
  tagged.Tag = 99;
  tagged.SetBounds(60, 60, 160, 100);
  tagged.Show();
  gui::PumpFor(50);
  EXPECT_FALSE(m.SkinWindow(tagged.Handle()));
  EXPECT_EQ(m.FindWindowSkin(tagged.Handle()), nullptr);
  // A window without area.
  TestWindow empty(L"Empty", 60, 60, 0, 0, WS_POPUP);
  EXPECT_FALSE(m.SkinWindow(empty.Get()));
  // A child window (not an MDI child) while the manager is not walking the forms.
  TestWindow parent(L"Parent", 60, 60, 200, 100);
  HWND child = CreateWindowExW(0, L"STATIC", L"child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent.Get(),
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_FALSE(m.SkinWindow(child));
  // A window of another module (a system class) that is no system dialog.
  HWND foreign = CreateWindowExW(0, L"STATIC", L"foreign", WS_POPUP | WS_CAPTION, 0, 0, 80, 40, nullptr,
                                 nullptr, nullptr, nullptr);
  EXPECT_FALSE(m.SkinWindow(foreign));
  DestroyWindow(foreign);
  // Skinned once only; a skinned window answers the query itself.
  TestWindow plain(L"Plain", 60, 60, 120, 60);
  EXPECT_TRUE(m.SkinWindow(plain.Get()));
  EXPECT_FALSE(m.SkinWindow(plain.Get()));
  EXPECT_EQ(SendMessageW(plain.Get(), skinmsg::kQuerySkinned, 0, 0), 1);
  // Nothing while skinning is switched off.
  TestWindow later(L"Later", 60, 60, 120, 60);
  m.SetEnabled(false);
  EXPECT_FALSE(m.SkinWindow(later.Get()));
}

}  // namespace
