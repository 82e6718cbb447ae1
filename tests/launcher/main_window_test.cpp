// The launcher's main window: layout of the stored design, the marquee bar's
// messages, the font rule, and what the window shows (pixels read back).
#include <gtest/gtest.h>

#include <vector>

#include "framework/application.h"
#include "framework/graphics_util.h"
#include "framework/image.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "launcher/adjust_font.h"
#include "launcher/main_form.h"
#include "launcher/marquee_progress_bar.h"

namespace {
// A control's window rectangle in its parent's client coordinates.
RECT PlacedRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ExpectRect(const RECT& r, int left, int top, int width, int height) {
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, height);
}

void Pump() {
  MSG msg;
  for (int i = 0; i < 20; ++i) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
}

// The client area as the window paints it (children included), as 32-bit pixels.
struct Capture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  COLORREF At(int x, int y) const {
    uint32_t p = pixels[static_cast<size_t>(y) * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
};

Capture CaptureClient(HWND window) {
  Capture c;
  RECT client;
  GetClientRect(window, &client);
  c.width = client.right;
  c.height = client.bottom;
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = c.width;
  info.bmiHeader.biHeight = -c.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, c.width, c.height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  c.pixels.assign(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + c.width * c.height);
  // Kept for people to look at.
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
  file.bfSize = file.bfOffBits + c.width * c.height * 4;
  HANDLE out = CreateFileW(L"main_window.bmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out != INVALID_HANDLE_VALUE) {
    DWORD put;
    ::WriteFile(out, &file, sizeof(file), &put, nullptr);
    ::WriteFile(out, &info.bmiHeader, sizeof(info.bmiHeader), &put, nullptr);
    ::WriteFile(out, bits, c.width * c.height * 4, &put, nullptr);
    CloseHandle(out);
  }
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return c;
}
}  // namespace

TEST(MainWindow, StoredLayout) {
  TformMain form(nullptr);
  HWND window = form.Handle();
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 502);
  EXPECT_EQ(client.bottom, 363);
  LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  wchar_t caption[64];
  GetWindowTextW(window, caption, 64);
  EXPECT_STREQ(caption, L"Quillmere");
  EXPECT_EQ(form.Font().Name(), "Tahoma");
  EXPECT_EQ(form.Font().Height(), -11);

  ExpectRect(PlacedRect(form.panelSide->Handle()), 0, 0, 164, 314);
  ExpectRect(form.imageSide->BoundsRect(), 0, 0, 164, 314);
  ExpectRect(PlacedRect(form.panelProgress->Handle()), 163, 0, 339, 314);
  ExpectRect(PlacedRect(form.panelSeparator->Handle()), 0, 314, 504, 2);
  ExpectRect(PlacedRect(form.MarqueeProgressBar1->Handle()), 64, 132, 212, 17);
  EXPECT_EQ(GetParent(form.MarqueeProgressBar1->Handle()), form.panelProgress->Handle());
  ExpectRect(form.lblStatus->BoundsRect(), 78, 169, 182, 13);
  EXPECT_EQ(form.lblStatus->Parent(), form.panelProgress);
  EXPECT_FALSE(IsWindowVisible(form.panelProgress->Handle()) && form.panelProgress->Visible());
  EXPECT_TRUE(GetWindowLongW(form.MarqueeProgressBar1->Handle(), GWL_STYLE) &
              TMarqueeProgressBar::kMarqueeStyle);
  EXPECT_EQ(form.MarqueeProgressBar1->AnimationSpeed(), 60);
  EXPECT_FALSE(form.MarqueeProgressBar1->Active());
  // Controls are reachable from their windows and by name.
  EXPECT_EQ(TWinControl::FromHandle(form.panelProgress->Handle()), form.panelProgress);
  EXPECT_EQ(form.FindComponent("lblStatus"), form.lblStatus);
}

TEST(MainWindow, MarqueeMessages) {
  TformMain form(nullptr);
  TMarqueeProgressBar* bar = form.MarqueeProgressBar1;
  std::vector<TMessage> seen;
  TWndMethod previous = bar->WindowProc;
  bar->WindowProc = [&](TMessage& m) {
    if (m.Msg == TMarqueeProgressBar::kSetMarquee) seen.push_back(m);
    previous(m);
  };
  EXPECT_FALSE(bar->HandleAllocated());
  bar->SetActive(true);  // creates the window
  EXPECT_TRUE(bar->HandleAllocated());
  bar->SetAnimationSpeed(30);
  bar->SetActive(false);
  bar->WindowProc = previous;
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].Msg, 1034u);
  EXPECT_EQ(seen[0].WParam, 1u);
  EXPECT_EQ(seen[0].LParam, 60);
  EXPECT_EQ(seen[1].WParam, 1u);
  EXPECT_EQ(seen[1].LParam, 30);
  EXPECT_EQ(seen[2].WParam, 0u);
  EXPECT_EQ(seen[2].LParam, 0);
  EXPECT_EQ(GetIntProp(bar, "AnimationSpeed"), 30);
  EXPECT_EQ(GetEnumProp(bar, "Active"), "False");
}

TEST(MainWindow, FontRule) {
  TFont font;
  font.SetName("Tahoma");
  font.SetSize(8);
  EXPECT_FALSE(AdjustFontFor(font, 5, true));
  EXPECT_EQ(font.Name(), "Tahoma");
  EXPECT_EQ(font.Size(), 8);
  EXPECT_FALSE(AdjustFontFor(font, 6, false));
  EXPECT_TRUE(AdjustFontFor(font, 6, true));
  EXPECT_EQ(font.Name(), "Segoe UI");
  EXPECT_EQ(font.Size(), 9);
  font.SetName("segoe ui");
  EXPECT_FALSE(AdjustFontFor(font, 10, true));
  EXPECT_EQ(font.Size(), 9);
}

TEST(MainWindow, ShowsPictureWhitePanelAndSeparator) {
  TformMain form(nullptr);
  form.panelProgress->Show();
  form.Show();
  Pump();
  Capture c = CaptureClient(form.Handle());
  ASSERT_EQ(c.width, 502);
  const COLORREF white = RGB(255, 255, 255);
  EXPECT_EQ(c.At(300, 40), white);  // progress panel
  EXPECT_EQ(c.At(500, 300), white);
  EXPECT_EQ(c.At(20, 360), GetSysColor(COLOR_BTNFACE));  // below the separator
  EXPECT_EQ(c.At(20, 314), GetSysColor(COLOR_BTNSHADOW));  // etched edge on top
  EXPECT_EQ(c.At(20, 315), GetSysColor(COLOR_BTNHIGHLIGHT));
  // The side picture is not plain: its top-left corner is the deep blue of its sky.
  COLORREF sky = c.At(2, 2);
  EXPECT_LT(GetRValue(sky), 60);
  EXPECT_GT(GetBValue(sky), GetRValue(sky));
  // The status line has dark text on the white panel.
  int dark = 0;
  for (int y = 169; y < 182; ++y)
    for (int x = 163 + 78; x < 163 + 260; ++x)
      if (GetRValue(c.At(x, y)) < 128) ++dark;
  EXPECT_GT(dark, 20);
  form.Hide();
}
