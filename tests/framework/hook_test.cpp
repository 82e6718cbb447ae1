// Thread hooks under Wine: a WH_CBT hook sees window creation and can refuse it, hooks
// of one kind chain, a hook uninstalled from inside its own callback, and the count of
// live hooks.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <memory>
#include <stdexcept>

#include "framework/hook.h"

namespace {
HWND MakeStatic(const wchar_t* text) {
  return CreateWindowExW(0, L"STATIC", text, 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

bool IsCreationOf(int code, LPARAM lParam, const wchar_t* text) {
  if (code != HCBT_CREATEWND) return false;
  const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
  const wchar_t* name = create->lpcs->lpszName;
  return name && HIWORD(reinterpret_cast<uintptr_t>(name)) != 0 && lstrcmpW(name, text) == 0;
}
}  // namespace

TEST(Hook, CbtHookSeesAndRefusesWindowCreation) {
  int base = TWindowsHook::LiveCount();
  int created = 0;
  TWindowsHook outer, inner;
  ASSERT_TRUE(inner.Install(WH_CBT, [&](int code, WPARAM, LPARAM lParam, LRESULT& result) {
    if (IsCreationOf(code, lParam, L"refused")) {
      result = 1;  // prevents the creation
      return true;
    }
    if (IsCreationOf(code, lParam, L"thrown")) throw std::runtime_error("callback failed");
    return false;
  }));
  ASSERT_TRUE(outer.Install(WH_CBT, [&](int code, WPARAM, LPARAM lParam, LRESULT&) {
    // The system makes windows of its own too: count the test's.
    for (const wchar_t* name : {L"allowed", L"refused", L"thrown"})
      if (IsCreationOf(code, lParam, name)) ++created;
    return false;  // passed on to the inner hook
  }));
  EXPECT_TRUE(outer.Installed());
  EXPECT_NE(outer.Handle(), nullptr);
  EXPECT_EQ(TWindowsHook::LiveCount(), base + 2);
  EXPECT_FALSE(outer.Install(WH_CBT, {}));

  HWND allowed = MakeStatic(L"allowed");
  EXPECT_NE(allowed, nullptr);
  DestroyWindow(allowed);
  EXPECT_EQ(MakeStatic(L"refused"), nullptr);
  HWND thrown = MakeStatic(L"thrown");  // a throwing callback passes the call on
  EXPECT_NE(thrown, nullptr);
  DestroyWindow(thrown);
  EXPECT_EQ(created, 3);

  inner.Uninstall();
  HWND now = MakeStatic(L"refused");
  EXPECT_NE(now, nullptr);
  DestroyWindow(now);
  outer.Uninstall();
  EXPECT_FALSE(outer.Installed());
  EXPECT_EQ(TWindowsHook::LiveCount(), base);
}

TEST(Hook, UninstalledFromInsideItsCallback) {
  int base = TWindowsHook::LiveCount();
  auto hook = std::make_unique<TWindowsHook>();
  int calls = 0;
  ASSERT_TRUE(hook->Install(WH_CBT, [&hook, &calls](int code, WPARAM, LPARAM, LRESULT&) {
    if (code != HCBT_CREATEWND) return false;
    ++calls;
    hook.reset();  // the owner goes while its callback runs
    return false;
  }));
  HWND first = MakeStatic(L"one");
  HWND second = MakeStatic(L"two");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(hook, nullptr);
  EXPECT_EQ(TWindowsHook::LiveCount(), base);
  DestroyWindow(first);
  DestroyWindow(second);
}
