// TControl: a visual component with a parent, bounds, visibility, colour, font and
// caption, whose messages pass through a replaceable message method (WindowProc).
// TGraphicControl: a control without a window of its own, painted by its parent.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "framework/colour.h"
#include "framework/component.h"
#include "framework/font.h"
#include "framework/message_method.h"
#include "framework/messages.h"

class TWinControl;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  const char* ClassName() const override { return "TControl"; }
  void DefineProperties(TPropList& list) const override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFont& Font() { return *font_; }
  const TFont& Font() const { return *font_; }
  // True while the control takes its font from its parent; setting the font clears it.
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  // The message method: assignable, and replaceable by TControlSubclass owners (see
  // message_method.h). Perform sends through it.
  TMessageMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  // Invalidates what the control shows.
  virtual void Invalidate();

 protected:
  // The original message method: HandleMessage, then DefaultHandler when unhandled.
  virtual void WndProc(TMessage& message);
  // Returns true when the message was handled (its result set in message.Result).
  virtual bool HandleMessage(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  // Hooks for the windowed subclass.
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  virtual void BoundsChanged() {}
  virtual void TextChanged() {}
  virtual void FontChanged();
  virtual void ColorChanged() { Invalidate(); }

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = SystemColour(COLOR_BTNFACE);
  std::string caption_;

 private:
  friend class TWinControl;
  void ParentFontChanged();

  TWinControl* parent_ = nullptr;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool adoptingFont_ = false;
};

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  const char* ClassName() const override { return "TGraphicControl"; }
  void Invalidate() override;

 protected:
  // WM_PAINT from the parent carries its device context in wParam, with the origin
  // moved to this control's top-left corner and clipped to its bounds.
  bool HandleMessage(TMessage& message) override;
  virtual void Paint(HDC dc) = 0;
  void VisibleChanged() override { InvalidateArea(); }
  void BoundsChanged() override { InvalidateArea(); }
  void TextChanged() override { Invalidate(); }

 private:
  void InvalidateArea();
  RECT lastArea_{};
};
