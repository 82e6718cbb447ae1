// Support for the control wrapper tests (see control_test_support.h).
#include "control_test_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "framework/gdi.h"
#include "framework/graphics_util.h"
#include "test_skins.h"

namespace controltest {

TColor CellColour(int strip, int i) { return RgbColour(20 + 20 * strip, 10 + 9 * i, 190 - 15 * strip); }

const TColor kFace[5] = {CellColour(0, 0), CellColour(0, 1), CellColour(0, 2), CellColour(0, 3),
                         CellColour(0, 4)};
const TColor kButtonFace = RgbColour(250, 250, 5);
const TColor kVertTrack = CellColour(4, 0), kVertThumb = CellColour(6, 0), kVertGrip = CellColour(3, 19);

namespace {
PixelImage Strip(int strip, int cellWidth, int height, int cells) {
  std::vector<TColor> colours;
  for (int i = 0; i < cells; ++i) colours.push_back(CellColour(strip, i));
  return testskin::Cells(cellWidth * cells, height, cells, colours);
}

std::string Triplet(TColor c) {
  return std::to_string(RedOf(c)) + "," + std::to_string(GreenOf(c)) + "," + std::to_string(BlueOf(c));
}
}  // namespace

std::unique_ptr<TSkinData> MakeSkin(const SkinOptions& o) {
  testskin::TestSkin skin;
  skin.Text("[Buttons]\nBitmap=buttons.bmp\nCheckButton=check.bmp\nRadioButton=radio.bmp\n");
  if (o.checkFrameKey) skin.Text("CheckButtonFrame=" + std::to_string(o.checkFrames) + "\n");
  if (o.radioFrames != 4) skin.Text("RadioButtonFrame=" + std::to_string(o.radioFrames) + "\n");
  skin.Text("[Colours]\nButtonFace=" + Triplet(kButtonFace) + "\nButtonShadow=10,20,30\n");
  skin.Image("buttons.bmp", Strip(0, 8, 20, 5));
  skin.Image("check.bmp", Strip(1, 13, 13, o.checkFrames));
  skin.Image("radio.bmp", Strip(2, 13, 13, o.radioFrames));
  if (o.scrollbars) {
    int t = o.scrollThickness > 0 ? o.scrollThickness : GetSystemMetrics(SM_CXVSCROLL);
    skin.Text("[Scrollbar]\nImage=sb.bmp\n[VertScroll]\nImage=vt.bmp\n[HorzScroll]\nImage=ht.bmp\n"
              "[VertScrollThumb]\nImage=vth.bmp\n[HorzScrollThumb]\nImage=hth.bmp\n");
    skin.Image("sb.bmp", Strip(3, t, t, 23));
    skin.Image("vt.bmp", Strip(4, 8, 8, 4));
    skin.Image("ht.bmp", Strip(5, 8, 8, 4));
    skin.Image("vth.bmp", Strip(6, 8, 8, 3));
    skin.Image("hth.bmp", Strip(7, 8, 8, 3));
  }
  skin.Text(o.extra);
  for (const auto& image : o.images) skin.Image(image.first, image.second);
  auto data = std::make_unique<TSkinData>(nullptr);
  data->ShowMessage = [](const std::string&) {};
  data->SkinStream().Bytes() = skin.File();
  if (!data->LoadSkinFromStream()) return nullptr;
  return data;
}

std::unique_ptr<TForm> MakeForm(int width, int height) {
  auto form = std::make_unique<TForm>(nullptr);
  form->BorderStyle = bsNone;
  form->SetBounds(0, 0, width, height);
  form->SetClientSize(width, height);
  form->SetColor(RgbColour(255, 255, 255));
  form->Show();
  SetForegroundWindow(form->Handle());
  Pump();
  return form;
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    Pump();
    if (done()) return true;
    if (static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

namespace {
void SendMouse(DWORD flags, LONG x = 0, LONG y = 0, DWORD data = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.mouseData = data;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
}
}  // namespace

void SendMoveTo(POINT p) {
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (p.x * 65536 + w - 1) / w, (p.y * 65536 + h - 1) / h);
}

void MoveTo(POINT p) {
  SendMoveTo(p);
  bool there = WaitFor([&] {
    POINT now{};
    GetCursorPos(&now);
    return now.x == p.x && now.y == p.y;
  }, 1000);
  if (!there) {
    POINT now{};
    GetCursorPos(&now);
    fprintf(stderr, "cursor at %ld,%ld not %ld,%ld\n", now.x, now.y, p.x, p.y);
  }
  Pump();
}

void LeftDown() { SendMouse(MOUSEEVENTF_LEFTDOWN); }
void LeftUp() { SendMouse(MOUSEEVENTF_LEFTUP); }
void Wheel(int delta) { SendMouse(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(delta)); }

void Key(WORD vk, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof(input));
}

POINT ScreenPoint(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return p;
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

SCROLLBARINFO ScrollBarOf(HWND window, LONG id) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  GetScrollBarInfo(window, id, &info);
  return info;
}

bool ThumbDrawnAtSystemPlace(HWND host, HWND overlay) {
  const int mid = GetSystemMetrics(SM_CXVSCROLL) / 2, arrow = GetSystemMetrics(SM_CYVSCROLL);
  return WaitFor([&] {
    UpdateWindow(overlay);
    const SCROLLBARINFO info = ScrollBarOf(host, OBJID_VSCROLL);
    const COLORREF top = PixelOf(overlay, mid, info.xyThumbTop + 1);
    if (top != Rgb(kVertThumb) && top != Rgb(kVertGrip)) return false;
    return info.xyThumbTop - 2 <= arrow || PixelOf(overlay, mid, info.xyThumbTop - 2) == Rgb(kVertTrack);
  }, 2000);
}

Capture::Capture(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  width_ = r.right;
  height_ = r.bottom;
  pixels_.assign(static_cast<size_t>(width_) * height_, 0);
  if (width_ <= 0 || height_ <= 0) return;
  HDC source = GetDCEx(window, nullptr, DCX_CACHE);
  MemoryDC memory(source);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    SelectGuard select(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width_, height_, source, 0, 0, SRCCOPY);
    GdiFlush();
    std::memcpy(pixels_.data(), bits, pixels_.size() * sizeof(uint32_t));
  }
  ReleaseDC(window, source);
}

COLORREF Capture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  uint32_t p = pixels_[static_cast<size_t>(y) * width_ + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

COLORREF PixelOf(HWND window, int x, int y) {
  Pump();
  return Capture(window).At(x, y);
}

COLORREF Rgb(TColor colour) { return ColorToRGB(colour); }

double MedianOf(std::vector<double> figures) {
  std::sort(figures.begin(), figures.end());
  return figures.empty() ? 0 : figures[figures.size() / 2];
}

double RepaintMs(TForm& form) {
  Pump();
  const auto start = std::chrono::steady_clock::now();
  RedrawWindow(form.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  GdiFlush();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace controltest
