// TControl and TGraphicControl (see control.h).
#include "framework/control.h"

#include "framework/win_control.h"

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_->OnChange = [this] {
    if (!adoptingFont_) parentFont_ = false;
    FontChanged();
  };
}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
}

void TControl::DefineProperties(TPropList& list) const {
  TComponent::DefineProperties(list);
  list.Integer<TControl>("Left", [](TControl& c) -> int64_t { return c.Left(); },
                         [](TControl& c, int64_t v) {
                           c.SetBounds(static_cast<int>(v), c.Top(), c.Width(), c.Height());
                         });
  list.Integer<TControl>("Top", [](TControl& c) -> int64_t { return c.Top(); },
                         [](TControl& c, int64_t v) {
                           c.SetBounds(c.Left(), static_cast<int>(v), c.Width(), c.Height());
                         });
  list.Integer<TControl>("Width", [](TControl& c) -> int64_t { return c.Width(); },
                         [](TControl& c, int64_t v) {
                           c.SetBounds(c.Left(), c.Top(), static_cast<int>(v), c.Height());
                         });
  list.Integer<TControl>("Height", [](TControl& c) -> int64_t { return c.Height(); },
                         [](TControl& c, int64_t v) {
                           c.SetBounds(c.Left(), c.Top(), c.Width(), static_cast<int>(v));
                         });
  list.Boolean<TControl>("Visible", [](TControl& c) { return c.Visible(); },
                         [](TControl& c, bool v) { c.SetVisible(v); });
  list.Boolean<TControl>("Enabled", [](TControl& c) { return c.Enabled(); },
                         [](TControl& c, bool v) { c.SetEnabled(v); });
  list.Integer<TControl>("Color", [](TControl& c) -> int64_t { return c.Color(); },
                         [](TControl& c, int64_t v) { c.SetColor(static_cast<TColor>(v)); });
  list.Object<TControl>("Font", [](TControl& c) -> TPersistent* { return &c.Font(); });
  list.Boolean<TControl>("ParentFont", [](TControl& c) { return c.ParentFont(); },
                         [](TControl& c, bool v) { c.SetParentFont(v); });
  list.String<TControl>("Caption", [](TControl& c) { return c.Caption(); },
                        [](TControl& c, const std::string& v) { c.SetCaption(v); });
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (parent_) {
    parent_->InsertControl(this);
    if (parentFont_) ParentFontChanged();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged();
  if (parent_) parent_->ControlsChanged();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
  if (parent_) parent_->ControlsChanged();
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0, 0);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
  Perform(CM_ENABLEDCHANGED, 0, 0);
  Invalidate();
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  ColorChanged();
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value && parent_) ParentFontChanged();
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  TextChanged();
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  adoptingFont_ = true;
  font_->Assign(parent_->Font());
  adoptingFont_ = false;
}

void TControl::FontChanged() {
  Perform(CM_FONTCHANGED, 0, 0);
  Invalidate();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WindowProc.Dispatch(m);
  return m.Result;
}

void TControl::Invalidate() {}

void TControl::WndProc(TMessage& message) {
  if (!HandleMessage(message)) DefaultHandler(message);
}

bool TControl::HandleMessage(TMessage& message) {
  (void)message;
  return false;
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

// ---- TGraphicControl ----

void TGraphicControl::Invalidate() {
  TWinControl* parent = Parent();
  if (parent && parent->HandleAllocated() && Visible()) {
    RECT r = BoundsRect();
    InvalidateRect(parent->Handle(), &r, TRUE);
  }
}

void TGraphicControl::InvalidateArea() {
  TWinControl* parent = Parent();
  if (parent && parent->HandleAllocated()) {
    InvalidateRect(parent->Handle(), &lastArea_, TRUE);
    RECT r = BoundsRect();
    InvalidateRect(parent->Handle(), &r, TRUE);
  }
  lastArea_ = BoundsRect();
}

bool TGraphicControl::HandleMessage(TMessage& message) {
  if (message.Msg == WM_PAINT && message.WParam != 0) {
    Paint(reinterpret_cast<HDC>(message.WParam));
    message.Result = 0;
    return true;
  }
  return TControl::HandleMessage(message);
}
