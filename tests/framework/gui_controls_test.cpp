// The GUI layer's controls under Wine: windows made on demand and linked to their
// controls, replaceable message methods, windowless children painted by their parent,
// parent fonts, the image's placement, property access on real controls, and the check
// state of check boxes and radio buttons.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/buttons.h"
#include "framework/form.h"
#include "framework/gdi.h"
#include "framework/image.h"
#include "framework/label.h"
#include "framework/panel.h"
#include "framework/progress_bar.h"

namespace {
// Paints the control's client area into a 32-bit bitmap and reads one pixel.
class Painted {
 public:
  explicit Painted(TWinControl& control) : width_(control.ClientWidth()), height_(control.ClientHeight()) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<uint32_t*>(bits);
    SelectGuard select(dc_.Get(), bitmap_.Get());
    control.PaintTo(dc_.Get());
    GdiFlush();
  }
  COLORREF At(int x, int y) const {
    uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

 private:
  int width_, height_;
  MemoryDC dc_;
  OwnedBitmap bitmap_;
  uint32_t* bits_ = nullptr;
};

class TBox : public TGraphicControl {
 public:
  explicit TBox(TComponent* owner) : TGraphicControl(owner) {}
  void Paint(HDC dc) override {
    RECT r{0, 0, Width() + 50, Height() + 50};  // more than its bounds: clipped
    OwnedBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc, &r, red.Get());
  }
};
}  // namespace

TEST(GuiControls, WindowsAreMadeOnDemandAndKnowTheirControls) {
  TForm form(nullptr);
  form.SetClientSize(200, 100);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(10, 20, 80, 40);
  EXPECT_FALSE(panel->HandleAllocated());
  HWND window = panel->Handle();  // the form's window comes first
  EXPECT_TRUE(form.HandleAllocated());
  EXPECT_EQ(GetParent(window), form.Handle());
  EXPECT_EQ(TWinControl::FromHandle(window), panel);
  EXPECT_EQ(TWinControl::FromHandle(GetDesktopWindow()), nullptr);
  wchar_t cls[64];
  GetClassNameW(window, cls, 64);
  EXPECT_STREQ(cls, L"TPanel");
  // Bounds follow the window and the window follows the bounds.
  SetWindowPos(window, nullptr, 5, 6, 70, 30, SWP_NOZORDER);
  EXPECT_EQ(panel->Left(), 5);
  EXPECT_EQ(panel->Width(), 70);
  panel->SetBounds(1, 2, 3, 4);
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 3);
  // A child without a parent has no window to live in.
  TPanel orphan(nullptr);
  EXPECT_THROW(orphan.Handle(), std::runtime_error);
  form.DestroyHandle();
  EXPECT_FALSE(panel->HandleAllocated());
}

TEST(GuiControls, MessageMethodCanBeReplacedAndPutBack) {
  TForm form(nullptr);
  auto* bar = new TProgressBar(&form);
  bar->SetParent(&form);
  bar->SetBounds(0, 0, 100, 10);
  TWndMethod original = bar->WindowProc;
  int seen = 0;
  bar->WindowProc = [&](TMessage& m) {
    if (m.Msg == 13603) {  // a query the wrapper answers itself
      m.Result = 1;
      return;
    }
    ++seen;
    original(m);
  };
  EXPECT_EQ(SendMessageW(bar->Handle(), 13603, 0, 0), 1);
  bar->SetPosition(40);
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 40);  // passed on to the control
  EXPECT_GT(seen, 0);
  bar->WindowProc = original;
  EXPECT_EQ(SendMessageW(bar->Handle(), 13603, 0, 0), 0);
  wchar_t cls[64];
  GetClassNameW(bar->Handle(), cls, 64);
  EXPECT_STREQ(cls, L"TProgressBar");
}

TEST(GuiControls, ParentPaintsBackgroundAndClippedWindowlessChildren) {
  TForm form(nullptr);
  form.SetClientSize(120, 80);
  form.SetColor(RgbColour(0, 0, 255));
  auto* box = new TBox(&form);
  box->SetParent(&form);
  box->SetBounds(10, 10, 20, 20);
  form.HandleNeeded();
  Painted p(form);
  EXPECT_EQ(p.At(5, 5), RGB(0, 0, 255));
  EXPECT_EQ(p.At(15, 15), RGB(255, 0, 0));
  EXPECT_EQ(p.At(29, 29), RGB(255, 0, 0));
  EXPECT_EQ(p.At(31, 31), RGB(0, 0, 255));  // clipped to the child's bounds
  box->Hide();
  Painted hidden(form);
  EXPECT_EQ(hidden.At(15, 15), RGB(0, 0, 255));
}

TEST(GuiControls, FontsFollowTheParentUntilSet) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  auto* label = new TLabel(&form);
  label->SetParent(panel);
  form.Font().SetName("Arial");
  EXPECT_EQ(panel->Font().Name(), "Arial");
  EXPECT_EQ(label->Font().Name(), "Arial");
  label->Font().SetHeight(-20);
  EXPECT_FALSE(label->ParentFont());
  form.Font().SetName("Tahoma");
  EXPECT_EQ(label->Font().Name(), "Arial");
  EXPECT_EQ(panel->Font().Name(), "Tahoma");
}

TEST(GuiControls, ImagePlacement) {
  TImage image(nullptr);
  image.SetBounds(0, 0, 100, 50);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 200, 200, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  image.SetPicture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  EXPECT_EQ(image.PictureWidth(), 200);
  RECT r = image.DestinationRect();
  EXPECT_EQ(r.right, 200);  // drawn at its size
  image.Proportional = true;
  r = image.DestinationRect();
  EXPECT_EQ(r.right - r.left, 50);  // shrunk to fit, shape kept
  EXPECT_EQ(r.bottom - r.top, 50);
  image.Center = true;
  EXPECT_EQ(image.DestinationRect().left, 25);
  image.Proportional = false;
  image.Stretch = true;
  r = image.DestinationRect();
  EXPECT_EQ(r.right - r.left, 100);
  EXPECT_EQ(r.bottom - r.top, 50);
}

TEST(GuiControls, PropertiesOfRealControls) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->Tag = 99;
  EXPECT_EQ(GetIntProp(panel, "Tag"), 99);
  EXPECT_EQ(GetEnumProp(panel, "BevelOuter"), "bvRaised");
  EXPECT_TRUE(SetPropText(panel, "Transparent", "True"));
  EXPECT_TRUE(panel->Transparent);
  EXPECT_TRUE(SetPropText(panel, "Caption", "Hello"));
  EXPECT_EQ(GetTextProp(panel, "Caption"), "Hello");
  EXPECT_EQ(GetObjectProp(panel, "Font"), &panel->Font());
  EXPECT_EQ(GetTextProp(GetObjectProp(panel, "Font"), "Name"), panel->Font().Name());
  EXPECT_TRUE(SetPropText(&form, "AutoScroll", "False"));
  EXPECT_TRUE(SetPropText(panel, "Left", "12"));
  EXPECT_EQ(panel->Left(), 12);
  wchar_t text[16];
  GetWindowTextW(panel->Handle(), text, 16);
  EXPECT_STREQ(text, L"Hello");
}

TEST(GuiControls, CheckBoxesAndRadioButtonsShowTheStateTheyKeep) {
  TForm form(nullptr);
  auto* box = new TCheckBox(&form);
  box->SetParent(&form);
  box->AllowGrayed = true;
  box->Alignment = taLeftJustifyText;
  box->SetState(cbGrayed);  // before the window exists
  const LONG style = GetWindowLongW(box->Handle(), GWL_STYLE);
  EXPECT_EQ(style & BS_TYPEMASK, BS_3STATE);
  EXPECT_TRUE(style & BS_LEFTTEXT);
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  int clicks = 0;
  box->OnClick = [&] { ++clicks; };
  // A click steps grayed -> checked -> unchecked -> grayed.
  const TCheckBoxState steps[] = {cbChecked, cbUnchecked, cbGrayed};
  for (TCheckBoxState expected : steps) {
    box->Click();
    EXPECT_EQ(box->State(), expected);
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), static_cast<LRESULT>(expected));
  }
  EXPECT_EQ(clicks, 3);
  EXPECT_TRUE(SetPropText(box, "Checked", "True"));
  EXPECT_EQ(GetEnumProp(box, "State"), "cbChecked");
  EXPECT_EQ(GetEnumProp(box, "Alignment"), "taLeftJustify");
  EXPECT_TRUE(SetPropText(box, "State", "cbUnchecked"));
  EXPECT_EQ(GetEnumProp(box, "Checked"), "False");

  // Radio buttons of one parent: checking one unchecks the others, also by name.
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  TRadioButton* radios[3];
  for (auto*& radio : radios) {
    radio = new TRadioButton(panel);
    radio->SetParent(panel);
  }
  radios[0]->SetChecked(true);
  EXPECT_EQ(GetWindowLongW(radios[0]->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_RADIOBUTTON);
  EXPECT_EQ(SendMessageW(radios[0]->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  radios[2]->Click();
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_EQ(SendMessageW(radios[0]->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(radios[2]->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(SetPropText(radios[1], "Checked", "True"));
  EXPECT_EQ(GetEnumProp(radios[2], "Checked"), "False");
  EXPECT_EQ(GetEnumProp(radios[1], "Checked"), "True");
  EXPECT_EQ(GetEnumProp(radios[1], "Alignment"), "taRightJustify");
  EXPECT_TRUE(SetPropText(radios[1], "Alignment", "taLeftJustify"));
  EXPECT_EQ(radios[1]->Alignment, taLeftJustifyText);
}
