// Window subclasses under Wine: handlers and the previous procedure, nested subclasses
// undone in any order, release at WM_NCDESTROY, owners freed inside their own handler,
// throwing handlers, ANSI windows and the thunk pool's pages.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/subclass.h"
#include "framework/thunk_pool.h"

namespace {
constexpr UINT kProbe = WM_APP + 1;  // the bare window answers 7

LRESULT CALLBACK BareProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) return 7;
  return DefWindowProcW(window, msg, wParam, lParam);
}

// A plain top-level window of a class of the test's own, destroyed with the object.
class BareWindow {
 public:
  BareWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = BareProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QuillmereBareWindow";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, L"bare", WS_OVERLAPPEDWINDOW, 0, 0, 100, 80,
                              nullptr, nullptr, wc.hInstance, nullptr);
  }
  BareWindow(const BareWindow&) = delete;
  BareWindow& operator=(const BareWindow&) = delete;
  ~BareWindow() {
    if (IsWindow(window_)) DestroyWindow(window_);
  }
  HWND Get() const { return window_; }
  WNDPROC Procedure() const {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC));
  }

 private:
  HWND window_ = nullptr;
};

// A handler that answers kProbe with its own number and records what it saw.
TWindowSubclass::Handler Answer(LRESULT value, std::vector<LRESULT>* seen = nullptr) {
  return [value, seen](UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg != kProbe) return false;
    if (seen) seen->push_back(value);
    result = value;
    return true;
  };
}
}  // namespace

TEST(Subclass, HandlerFirstThenPreviousProcedure) {
  BareWindow bare;
  ASSERT_TRUE(bare.Get());
  int base = TWindowSubclass::LiveCount();
  TWindowSubclass sub;
  int passed = 0;
  ASSERT_TRUE(sub.Attach(bare.Get(), [&](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != kProbe) return false;
    if (wParam == 1) {  // pass on, adding to the previous answer
      result = sub.CallPrevious(msg, wParam, lParam) + 100;
      return true;
    }
    ++passed;
    return false;
  }));
  EXPECT_TRUE(sub.Attached());
  EXPECT_EQ(sub.Window(), bare.Get());
  EXPECT_EQ(TWindowSubclass::LiveCount(), base + 1);
  EXPECT_EQ(SendMessageW(bare.Get(), kProbe, 0, 0), 7);
  EXPECT_EQ(passed, 1);
  EXPECT_EQ(SendMessageW(bare.Get(), kProbe, 1, 0), 107);
  EXPECT_FALSE(sub.Attach(bare.Get(), Answer(1)));  // one window per owner
  sub.Detach();
  EXPECT_FALSE(sub.Attached());
  EXPECT_EQ(bare.Procedure(), &BareProc);
  EXPECT_EQ(TWindowSubclass::LiveCount(), base);
  EXPECT_EQ(sub.CallPrevious(kProbe, 0, 0), 0);
  // Refused: no window, a destroyed window.
  EXPECT_FALSE(sub.Attach(nullptr, Answer(1)));
  HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  EXPECT_FALSE(sub.Attach(gone, Answer(1)));
  EXPECT_EQ(TWindowSubclass::LiveCount(), base);
}

TEST(Subclass, NestedSubclassesUndoneInAnyOrder) {
  // Each order of letting go of three subclasses gives the window its own procedure back.
  const int orders[6][3] = {{0, 1, 2}, {2, 1, 0}, {1, 0, 2}, {0, 2, 1}, {1, 2, 0}, {2, 0, 1}};
  int base = TWindowSubclass::LiveCount();
  for (const auto& order : orders) {
    BareWindow bare;
    TWindowSubclass subs[3];
    std::vector<LRESULT> seen;
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(subs[i].Attach(bare.Get(), [i, &seen](UINT msg, WPARAM, LPARAM, LRESULT&) {
        if (msg == kProbe) seen.push_back(i);
        return false;
      }));
    }
    EXPECT_EQ(SendMessageW(bare.Get(), kProbe, 0, 0), 7);
    EXPECT_EQ(seen, (std::vector<LRESULT>{2, 1, 0}));  // the latest first
    std::vector<LRESULT> expected{2, 1, 0};
    for (int step = 0; step < 3; ++step) {
      subs[order[step]].Detach();
      expected.erase(std::find(expected.begin(), expected.end(), order[step]));
      seen.clear();
      EXPECT_EQ(SendMessageW(bare.Get(), kProbe, 0, 0), 7);
      EXPECT_EQ(seen, expected) << "after letting go of " << order[step];
    }
    EXPECT_EQ(bare.Procedure(), &BareProc);
    EXPECT_EQ(TWindowSubclass::LiveCount(), base);
  }
}

TEST(Subclass, DetachedBelowAnotherStaysUntilTheWindowGoes) {
  int base = TWindowSubclass::LiveCount();
  auto bare = std::make_unique<BareWindow>();
  TWindowSubclass lower;
  std::vector<LRESULT> seen;
  ASSERT_TRUE(lower.Attach(bare->Get(), Answer(1, &seen)));
  // A foreign subclass (plain SetWindowLongPtr) above ours.
  static WNDPROC foreignPrevious = nullptr;
  foreignPrevious = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      bare->Get(), GWLP_WNDPROC,
      reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        return CallWindowProcW(foreignPrevious, w, m, wp, lp);
      })));
  lower.Detach();
  EXPECT_FALSE(lower.Attached());
  EXPECT_EQ(TWindowSubclass::LiveCount(), base + 1);  // still in the chain
  EXPECT_EQ(SendMessageW(bare->Get(), kProbe, 0, 0), 7);  // passed straight through
  EXPECT_TRUE(seen.empty());
  bare.reset();  // WM_NCDESTROY frees it
  EXPECT_EQ(TWindowSubclass::LiveCount(), base);
}

TEST(Subclass, LetsGoByItselfAtNcDestroy) {
  int base = TWindowSubclass::LiveCount();
  BareWindow bare;
  TWindowSubclass first, second;
  std::vector<UINT> seen;
  auto record = [&seen](UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg != WM_NCDESTROY && msg != WM_DESTROY) return false;
    seen.push_back(msg);
    result = 55;
    return true;  // ignored for WM_NCDESTROY: the chain below still gets it
  };
  ASSERT_TRUE(first.Attach(bare.Get(), record));
  ASSERT_TRUE(second.Attach(bare.Get(), record));
  DestroyWindow(bare.Get());
  EXPECT_EQ(seen, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY, WM_NCDESTROY}));
  EXPECT_FALSE(first.Attached());
  EXPECT_FALSE(second.Attached());
  EXPECT_EQ(TWindowSubclass::LiveCount(), base);
  first.Detach();  // nothing left to do
  EXPECT_EQ(TWindowSubclass::LiveCount(), base);
}

TEST(Subclass, OwnerFreedInsideItsHandlerAndThrowingHandlers) {
  int base = TWindowSubclass::LiveCount();
  BareWindow bare;
  auto owner = std::make_unique<TWindowSubclass>();
  std::string kept = "a capture that must outlive the owner";
  size_t length = 0;
  ASSERT_TRUE(owner->Attach(bare.Get(), [&owner, &length, kept](UINT msg, WPARAM, LPARAM,
                                                                  LRESULT& result) {
    if (msg != kProbe) return false;
    owner.reset();             // frees the owner while this handler runs
    length = kept.size();      // the handler's own state is still there
    result = 9;
    return true;
  }));
  EXPECT_EQ(SendMessageW(bare.Get(), kProbe, 0, 0), 9);
  EXPECT_EQ(owner, nullptr);
  EXPECT_EQ(length, kept.size());
  EXPECT_EQ(bare.Procedure(), &BareProc);
  EXPECT_EQ(TWindowSubclass::LiveCount(), base);

  // A handler that throws: the previous procedure answers and nothing escapes.
  TWindowSubclass thrower;
  ASSERT_TRUE(thrower.Attach(bare.Get(), [](UINT msg, WPARAM, LPARAM, LRESULT&) -> bool {
    if (msg == kProbe || msg == WM_GETTEXTLENGTH) throw std::runtime_error("handler failed");
    return false;
  }));
  EXPECT_EQ(SendMessageW(bare.Get(), kProbe, 0, 0), 7);
  EXPECT_EQ(GetWindowTextLengthW(bare.Get()), 4);  // "bare"
}

TEST(Subclass, AnsiWindowKeepsItsText) {
  HWND window = CreateWindowExA(0, "STATIC", "ansi", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
  ASSERT_TRUE(window);
  ASSERT_FALSE(IsWindowUnicode(window));
  TWindowSubclass sub;
  bool sawText = false;
  ASSERT_TRUE(sub.Attach(window, [&](UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_SETTEXT) sawText = true;
    return false;
  }));
  EXPECT_FALSE(IsWindowUnicode(window));
  SetWindowTextW(window, L"caf\u00e9");
  EXPECT_TRUE(sawText);
  wchar_t text[16] = {};
  GetWindowTextW(window, text, 16);
  EXPECT_STREQ(text, L"caf\u00e9");
  sub.Detach();
  GetWindowTextW(window, text, 16);
  EXPECT_STREQ(text, L"caf\u00e9");
  DestroyWindow(window);
}

TEST(Subclass, ThunkPagesComeAndGo) {
  size_t pages = thunks::PageCount();
  size_t live = thunks::LiveCount();
  BareWindow bare;
  {
    std::vector<std::unique_ptr<TWindowSubclass>> many;
    for (int i = 0; i < 300; ++i) {  // more than one page holds
      many.push_back(std::make_unique<TWindowSubclass>());
      ASSERT_TRUE(many.back()->Attach(bare.Get(), Answer(i)));
    }
    EXPECT_EQ(SendMessageW(bare.Get(), kProbe, 0, 0), 299);
    EXPECT_GE(thunks::PageCount(), pages + 1);
    EXPECT_EQ(thunks::LiveCount(), live + 300);
    // Freed in creation order: each one lets go below the later ones, and the last
    // one unwinds them all.
  }
  EXPECT_EQ(bare.Procedure(), &BareProc);
  EXPECT_EQ(thunks::LiveCount(), live);
  EXPECT_EQ(thunks::PageCount(), pages);
  EXPECT_EQ(thunks::ObjectOf(reinterpret_cast<const void*>(&BareProc), nullptr), nullptr);
}
