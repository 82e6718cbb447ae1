// The launcher's main window with the default skin: the skin manager takes the window
// when it is shown, paints the skin's frame around the unchanged 502 x 363 client area
// and shapes it; the marquee bar is given to the progress-bar wrapper and its block
// moves; the picture is kept as launcher_window.bmp beside the program.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "../skin/forms/gui_support.h"
#include "framework/file_system.h"
#include "framework/panel.h"
#include "framework/wide.h"
#include "launcher/launcher_skin_controls.h"
#include "launcher/main_form.h"
#include "launcher/marquee_progress_bar.h"
#include "skin/forms/control_assignment.h"

namespace {

TEST(LauncherSkin, MainWindowTakesTheSkin) {
  const std::string skinFile = testskin::BesideProgram("classic.skn");
  if (!fsys::FileExists(skinFile)) GTEST_SKIP() << "classic.skn is not built beside the test";
  InstallSkinManager(LauncherWindowSkinParts());  // as the launcher does
  InstallLauncherControlAssignment();
  {
    TformMain form(nullptr);
    form.SetIcon(LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));  // the application's icon
    form.SkinData1->SetSkinFile(skinFile);
    ASSERT_FALSE(form.SkinData1->SkinEmpty());
    form.SkinData1->SetActive(true);
    form.panelProgress->Show();
    form.Show();
    HWND window = form.Handle();
    TWinSkinForm* skin = nullptr;
    ASSERT_TRUE(gui::WaitFor([&] {
      skin = TSkinManage::Instance()->FindWindowSkin(window);
      return skin && skin->State() == wsRunning;
    }));
    EXPECT_EQ(skin->Form(), &form);
    EXPECT_EQ(skin->Menus(), nullptr) << "the launcher's window skins have no menus part";
    const SIZE client = gui::ClientSize(window);
    EXPECT_EQ(client.cx, 502);
    EXPECT_EQ(client.cy, 363);
    const TWindowFacts& facts = skin->Facts();
    const RECT w = gui::WindowRect(window);
    EXPECT_EQ(w.right - w.left, 502 + facts.frame.left + facts.frame.right);
    EXPECT_EQ(w.bottom - w.top, 363 + facts.frame.top + facts.frame.bottom);
    EXPECT_TRUE(skin->HasRegion());
    // The title bar is slate blue, away from the caption text and buttons.
    TColor title = 0;
    ASSERT_TRUE(gui::WaitFor([&] {
      title = gui::WindowPixel(window, (w.right - w.left) / 2 + 60, facts.frame.top / 2);
      return BlueOf(title) > RedOf(title) + 30;
    })) << std::hex << title;
    // The marquee bar is wrapped (it answers the query-skinned message) and moves.
    HWND bar = form.MarqueeProgressBar1->Handle();
    EXPECT_EQ(SendMessageW(bar, 13603, 0, 0), 1);
    int barEntries = 0;
    for (const auto& entry : skin->Controls()) barEntries += entry->ControlWindow() == bar;
    EXPECT_EQ(barEntries, 1);
    form.MarqueeProgressBar1->SetActive(true);
    auto middleRow = [&] {
      const RECT r = gui::WindowRect(bar);
      std::vector<COLORREF> row;
      WindowDC screen(nullptr);
      for (int x = r.left; x < r.right; ++x) row.push_back(GetPixel(screen.Get(), x, (r.top + r.bottom) / 2));
      return row;
    };
    const std::vector<COLORREF> before = middleRow();
    EXPECT_TRUE(gui::WaitFor([&] { return middleRow() != before; }));
    // Only the system-menu buttons of a single, non-resizable window: close and icon.
    for (size_t i = 0; i < skin->Buttons().Count(); ++i) {
      const TWinSysButton& b = skin->Buttons().At(i);
      if (b.Action() == 1 || b.Action() == 2) {
        EXPECT_FALSE(b.Visible) << "action " << b.Action();
      }
      if (b.Action() == 0) {
        EXPECT_TRUE(b.Visible);
      }
    }
    // Kept for people to look at (the README's picture is made from it).
    TBitmap picture(w.right - w.left, w.bottom - w.top);
    {
      WindowDC screen(nullptr);
      BitBlt(picture.Canvas(), 0, 0, picture.Width(), picture.Height(), screen.Get(), w.left, w.top,
             SRCCOPY);
    }
    const std::vector<uint8_t> bytes = picture.SaveToBmp();
    std::ofstream(Widen(testskin::BesideProgram("launcher_window.bmp")).c_str(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  DestroySkinManager();
  SetSkinManagerFactory(nullptr);
  SetControlAssigner(nullptr);
}

}  // namespace
