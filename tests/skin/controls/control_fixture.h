// A GoogleTest fixture for the control wrapper pixel tests under Wine: a test skin made
// from the fixture's options, a wrapper list and a shown form, the mouse moved away
// before and after each test; and bounded polls for a colour at a point of a control,
// of the form or of a window, whose failures EXPECT_SHOWS reports with the point, the
// pixel found and the colour wanted.
#pragma once
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "control_test_support.h"
#include "skin/controls/skin_control_list.h"

namespace controltest {

// A screen point outside every test form, where the mouse rests.
constexpr POINT kAway{900, 700};

class ControlTest : public ::testing::Test {
 protected:
  // Makes the skin from options_ and a form of formWidth_ x formHeight_.
  void SetUp() override;
  void TearDown() override;

  // Makes the skin again from other options; false when it does not load.
  bool UseSkin(const SkinOptions& options);
  // A control of class T owned by the form, on parent (the form by default) at the bounds.
  template <class T>
  T* Add(int x, int y, int w, int h, TWinControl* parent = nullptr) {
    auto* control = new T(form_.get());
    control->SetParent(parent ? parent : form_.get());
    control->SetBounds(x, y, w, h);
    return control;
  }
  // ... on the form, with a caption.
  template <class T>
  T* Add(int x, int y, int w, int h, const char* caption) {
    T* control = Add<T>(x, y, w, h);
    control->SetCaption(caption);
    return control;
  }
  // A wrapper of class W on the control, in the list.
  template <class W>
  W* Wrap(TControl* control) {
    auto* wrapper = new W(control);
    wrapper->InitSkin(&list_, skin_.get(), false);
    return wrapper;
  }

  // Wait (bounded) until the colour shows at (x, y) of: the control's rectangle (its
  // window rectangle for a windowed control), read from the form; the form's client
  // area; a window's client area, read from that window.
  bool Shows(TControl* control, int x, int y, TColor colour);
  bool Shows(TControl* control, POINT p, TColor colour) { return Shows(control, p.x, p.y, colour); }
  bool Shows(int x, int y, TColor colour);
  bool Shows(HWND window, int x, int y, TColor colour);
  // The point, the pixel and the colour of the last of those waits.
  std::string Seen() const;
  // The middle of a control of the form, on the screen.
  POINT Centre(TControl* control) const;

  SkinOptions options_;
  int formWidth_ = 360, formHeight_ = 240;
  std::unique_ptr<TSkinData> skin_;
  TSkinControlList list_;
  std::unique_ptr<TForm> form_;

 private:
  bool Poll(const std::function<COLORREF()>& read, int x, int y, TColor colour);
  // The last wait: its point, the pixel it saw, the colour it wanted.
  int x_ = 0, y_ = 0;
  COLORREF last_ = 0, wanted_ = 0;
};

}  // namespace controltest

#define EXPECT_SHOWS(...) EXPECT_TRUE(Shows(__VA_ARGS__)) << Seen()
