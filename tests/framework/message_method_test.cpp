// Framework message methods under Wine: stacked replacements in a defined order and
// undone in any order, methods put back or freed from inside a running handler,
// failing handlers answered by the window's default processing, and windows destroyed
// while the whole control still exists.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/form.h"
#include "framework/message_method.h"
#include "framework/panel.h"

namespace {
constexpr UINT kProbe = WM_APP + 7;

// A replacement that records its name for kProbe and passes it on.
TControlSubclass::Handler Record(std::vector<std::string>& seen, const std::string& name) {
  return [&seen, name](TMessage& m) {
    if (m.Msg == kProbe) seen.push_back(name);
    return false;
  };
}

// A panel whose own handler records the messages that reach it into a list outside.
class TRecordingPanel : public TPanel {
 public:
  TRecordingPanel(TComponent* owner, std::vector<UINT>* seen) : TPanel(owner), seen_(seen) {}

 protected:
  bool HandleMessage(TMessage& m) override {
    if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY) seen_->push_back(m.Msg);
    return TPanel::HandleMessage(m);
  }

 private:
  std::vector<UINT>* seen_;
};
}  // namespace

TEST(MessageMethod, ReplacementsRunLatestFirstAndLeaveInAnyOrder) {
  TForm form(nullptr);
  std::vector<std::string> seen;
  form.WindowProc = [&seen, original = TWndMethod(form.WindowProc)](TMessage& m) {
    if (m.Msg == kProbe) seen.push_back("assigned");
    original(m);
  };
  TControlSubclass a, b, c;
  ASSERT_TRUE(a.Attach(form, Record(seen, "a")));
  ASSERT_TRUE(b.Attach(form, Record(seen, "b")));
  ASSERT_TRUE(c.Attach(form, Record(seen, "c")));
  EXPECT_FALSE(a.Attach(form, Record(seen, "again")));
  EXPECT_EQ(a.Control(), &form);
  form.Perform(kProbe);
  EXPECT_EQ(seen, (std::vector<std::string>{"c", "b", "a", "assigned"}));
  seen.clear();
  b.Detach();  // from the middle
  SendMessageW(form.Handle(), kProbe, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"c", "a", "assigned"}));
  seen.clear();
  a.Detach();
  c.Detach();
  form.Perform(kProbe);
  EXPECT_EQ(seen, (std::vector<std::string>{"assigned"}));
  EXPECT_FALSE(c.Attached());
}

TEST(MessageMethod, PutBackOrFreedFromInsideTheRunningHandler) {
  TForm form(nullptr);
  TWndMethod original = form.WindowProc;
  std::string kept = "state of the running closure";
  std::string readAfterRestore;
  form.WindowProc = [&form, original, kept, &readAfterRestore](TMessage& m) {
    if (m.Msg == kProbe) {
      form.WindowProc = original;  // destroys this closure's stored copy
      readAfterRestore = kept;     // the running closure is still whole
      m.Result = 5;
      return;
    }
    original(m);
  };
  EXPECT_EQ(form.Perform(kProbe), 5);
  EXPECT_EQ(readAfterRestore, kept);
  EXPECT_EQ(form.Perform(kProbe), 0);  // the original answers now

  // A replacement that detaches itself and passes the message on, and one whose owner
  // is freed while its handler runs.
  auto owner = std::make_unique<TControlSubclass>();
  TControlSubclass self;
  ASSERT_TRUE(self.Attach(form, [&self](TMessage& m) {
    if (m.Msg != kProbe) return false;
    self.Detach();
    self.CallPrevious(m);
    m.Result += 100;
    return true;
  }));
  ASSERT_TRUE(owner->Attach(form, [&owner, kept, &readAfterRestore](TMessage& m) {
    if (m.Msg != kProbe) return false;
    owner.reset();
    readAfterRestore = kept + "!";
    return false;  // on to the replacement below
  }));
  form.WindowProc = [](TMessage& m) { m.Result = m.Msg == kProbe ? 7 : 0; };
  EXPECT_EQ(form.Perform(kProbe), 107);
  EXPECT_EQ(owner, nullptr);
  EXPECT_EQ(readAfterRestore, kept + "!");
  EXPECT_FALSE(self.Attached());
  EXPECT_EQ(form.Perform(kProbe), 7);
}

TEST(MessageMethod, FailingHandlersGetTheDefaultAnswer) {
  TForm form(nullptr);
  form.SetBounds(40, 40, 200, 150);
  HWND window = form.Handle();
  ShowWindow(window, SW_SHOWNOACTIVATE);
  RECT client{}, frame{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  GetWindowRect(window, &frame);
  const LPARAM inClient = MAKELPARAM(client.left + 10, client.top + 10);
  const LPARAM inCaption =
      MAKELPARAM((frame.left + frame.right) / 2, frame.top + (client.top - frame.top) / 2);
  // What the window says with no failing handler.
  LRESULT clientHit = SendMessageW(window, WM_NCHITTEST, 0, inClient);
  LRESULT captionHit = SendMessageW(window, WM_NCHITTEST, 0, inCaption);
  RECT plain = frame;
  SendMessageW(window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&plain));
  EXPECT_EQ(clientHit, HTCLIENT);
  EXPECT_EQ(captionHit, HTCAPTION);

  TControlSubclass failing;
  ASSERT_TRUE(failing.Attach(form, [](TMessage& m) -> bool {
    if (m.Msg == WM_NCHITTEST) throw std::runtime_error("hit test failed");
    if (m.Msg == WM_NCCALCSIZE) {
      RECT* r = reinterpret_cast<RECT*>(m.LParam);
      r->left = r->top = r->right = r->bottom = 1;  // half done, then it fails
      throw std::runtime_error("size failed");
    }
    if (m.Msg == WM_CLOSE) throw std::runtime_error("close failed");
    return false;
  }));
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, inClient), clientHit);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, inCaption), captionHit);
  RECT failed = frame;
  SendMessageW(window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&failed));
  EXPECT_TRUE(EqualRect(&failed, &plain));
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window));  // a failed close leaves the window alone
}

TEST(MessageMethod, WindowsGoWhileTheControlIsWhole) {
  std::vector<UINT> seen;
  std::vector<UINT> outside;
  TForm form(nullptr);
  // Freed through its owner: the derived handler sees its window go.
  auto* freed = new TRecordingPanel(&form, &seen);
  freed->SetParent(&form);
  HWND freedWindow = freed->Handle();
  freed->Free();
  EXPECT_FALSE(IsWindow(freedWindow));
  EXPECT_EQ(seen, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
  EXPECT_EQ(form.ControlCount(), 0);

  // Deleted directly: the derived part is gone before the window, so the window's last
  // messages reach neither the control's handler nor its replacements.
  seen.clear();
  auto* deleted = new TRecordingPanel(&form, &seen);
  deleted->SetParent(&form);
  HWND deletedWindow = deleted->Handle();
  TControlSubclass watcher;
  ASSERT_TRUE(watcher.Attach(*deleted, [&outside](TMessage& m) {
    if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY) outside.push_back(m.Msg);
    return false;
  }));
  delete deleted;
  EXPECT_FALSE(IsWindow(deletedWindow));
  EXPECT_TRUE(seen.empty());
  EXPECT_TRUE(outside.empty());
  EXPECT_FALSE(watcher.Attached());

  // An owner frees its components through Free: children see their windows go.
  seen.clear();
  {
    TForm owner(nullptr);
    auto* panel = new TRecordingPanel(&owner, &seen);
    panel->SetParent(&owner);
    panel->HandleNeeded();
    auto* child = new TForm(&owner);
    child->HandleNeeded();
  }
  EXPECT_EQ(seen, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}
