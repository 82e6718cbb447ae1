// The preview's JSON line and its window capture (see preview_form.h).
#include <string>
#include <vector>

#include "common/json.h"
#include "framework/bitmap.h"
#include "framework/gdi.h"
#include "framework/win_control.h"
#include "preview_form.h"
#include "skin/controls/skin_control.h"
#include "skin/forms/assigned_wrappers.h"
#include "skin/forms/skin_manager.h"
#include "tool_files.h"

namespace {

std::string Rect(const RECT& r) {
  return "[" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) +
         ", " + std::to_string(r.bottom) + "]";
}

RECT Offset(RECT r, const RECT& window) {
  OffsetRect(&r, window.left, window.top);
  return r;
}

// The wrapper class of a control (a component it owns), or of a bare child window of
// a skinned window (from the window skin's list), as JSON.
std::string WrapperJson(TControl* control, HWND child = nullptr, TWinSkinForm* skin = nullptr) {
  for (int i = 0; control && i < control->ComponentCount(); ++i)
    if (auto* wrapper = dynamic_cast<TSkinControl*>(control->Components(i)))
      return json::Quote(wrapper->ClassName());
  for (size_t i = 0; !control && skin && i < skin->Controls().size(); ++i) {
    auto* entry = dynamic_cast<TAssignedWrapper*>(skin->Controls()[i].get());
    if (entry && entry->ControlWindow() == child && entry->Wrapper())
      return json::Quote(entry->Wrapper()->ClassName());
  }
  return "null";
}

std::string ControlsJson(HWND window) {
  std::string out = "[";
  bool first = true;
  TSkinManage* manager = TSkinManage::Instance();
  TWinSkinForm* skin = manager ? manager->FindWindowSkin(window) : nullptr;
  auto entry = [&](const std::string& name, const std::string& cls, TControl* control, const RECT& r,
                   HWND child) {
    if (!first) out += ", ";
    first = false;
    out += "{\"name\": " + json::Quote(name) + ", \"class\": " + json::Quote(cls) +
           ", \"wrapper\": " + WrapperJson(control, child, skin) + ", \"rect\": " + Rect(r) + "}";
  };
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    TWinControl* control = TWinControl::FromHandle(child);
    entry(control ? control->Name : "", WindowClassName(child), control, r, child);
  }
  // Windowless controls (speed buttons) are painted by the window itself.
  if (TWinControl* form = TWinControl::FromHandle(window)) {
    for (int i = 0; i < form->ControlCount(); ++i) {
      TControl* c = form->Controls(i);
      if (dynamic_cast<TWinControl*>(c)) continue;
      RECT r = c->BoundsRect();
      MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
      entry(c->Name, c->ClassName(), c, r, nullptr);
    }
  }
  return out + "]";
}

}  // namespace

std::string PreviewJson(HWND window) {
  RECT w{};
  GetWindowRect(window, &w);
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  TSkinManage* manager = TSkinManage::Instance();
  TWinSkinForm* skin = manager ? manager->FindWindowSkin(window) : nullptr;
  std::string out = "{\"skinned\": ";
  out += skin ? "true" : "false";
  out += ", \"window\": " + Rect(w) + ", \"client\": " + Rect(client);
  const TWindowFacts facts = skin ? skin->Facts() : TWindowFacts{};
  out += ", \"frame\": [" + std::to_string(facts.frame.left) + ", " + std::to_string(facts.frame.top) +
         ", " + std::to_string(facts.frame.right) + ", " + std::to_string(facts.frame.bottom) + "]";
  out += ", \"menu_bar\": " + std::to_string(facts.menuBarHeight);
  out += std::string(", \"region\": ") + (skin && skin->HasRegion() ? "\"shaped\"" : "\"none\"");
  out += ", \"title_text\": " + Rect(skin ? Offset(skin->TitleTextRect(), w) : RECT{});
  out += ", \"caption_buttons\": [";
  if (skin) {
    const TCaptionButtons& buttons = skin->Buttons();
    for (size_t i = 0; i < buttons.Count(); ++i) {
      const TWinSysButton& b = buttons.At(i);
      if (i) out += ", ";
      out += "{\"action\": " + std::to_string(b.Action()) + ", \"visible\": " +
             (b.Visible && !b.Image().Empty() ? "true" : "false") + ", \"rect\": " +
             Rect(Offset(b.Rect, w)) + "}";
    }
  }
  out += "], \"controls\": " + ControlsJson(window) + "}\n";
  return out;
}

bool CaptureWindow(HWND window, const std::string& path) {
  RECT w{};
  GetWindowRect(window, &w);
  TBitmap picture(w.right - w.left, w.bottom - w.top);
  if (picture.Empty()) return false;
  {
    WindowDC screen(nullptr);
    if (!screen) return false;
    BitBlt(picture.Canvas(), 0, 0, picture.Width(), picture.Height(), screen.Get(), w.left, w.top,
           SRCCOPY);
  }
  try {
    WriteFileReplacing(path, picture.SaveToBmp());
  } catch (...) {
    return false;
  }
  return true;
}
