// The control pixel-test fixture (see control_fixture.h).
#include "control_fixture.h"

#include <cstdio>

namespace controltest {

void ControlTest::SetUp() {
  MoveTo(kAway);
  ASSERT_TRUE(UseSkin(options_));
  form_ = MakeForm(formWidth_, formHeight_);
}

void ControlTest::TearDown() {
  form_.reset();
  MoveTo(kAway);
}

bool ControlTest::UseSkin(const SkinOptions& options) {
  skin_ = MakeSkin(options);
  return skin_ != nullptr;
}

bool ControlTest::Poll(const std::function<COLORREF()>& read, int x, int y, TColor colour) {
  x_ = x;
  y_ = y;
  wanted_ = Rgb(colour);
  last_ = 0;
  return WaitFor([&] {
    last_ = read();
    return last_ == wanted_;
  }, 2000);
}

bool ControlTest::Shows(TControl* control, int x, int y, TColor colour) {
  return Poll([&] {
    POINT origin{control->Left(), control->Top()};
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
      windowed->Update();
      RECT r{};
      GetWindowRect(windowed->Handle(), &r);
      origin = POINT{r.left, r.top};
      ScreenToClient(form_->Handle(), &origin);
    } else {
      MapWindowPoints(control->Parent()->Handle(), form_->Handle(), &origin, 1);
    }
    form_->Update();
    return PixelOf(form_->Handle(), origin.x + x, origin.y + y);
  }, x, y, colour);
}

bool ControlTest::Shows(int x, int y, TColor colour) {
  return Poll([&] {
    form_->Update();
    return PixelOf(form_->Handle(), x, y);
  }, x, y, colour);
}

bool ControlTest::Shows(HWND window, int x, int y, TColor colour) {
  return Poll([&] {
    UpdateWindow(window);
    return PixelOf(window, x, y);
  }, x, y, colour);
}

POINT ControlTest::Centre(TControl* c) const {
  return ScreenPoint(form_->Handle(), c->Left() + c->Width() / 2, c->Top() + c->Height() / 2);
}

std::string ControlTest::Seen() const {
  char text[80];
  snprintf(text, sizeof(text), "(%d,%d) pixel %06lx want %06lx", x_, y_, last_, wanted_);
  return text;
}

}  // namespace controltest
