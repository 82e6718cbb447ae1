// TWinControl: a control with a window of its own. It creates its window on demand
// (after its parent's), keeps its bounds in step with the window, paints its
// background and its windowless children, and routes the window's messages through
// its message method. A control may superclass a system window class (for instance
// the progress bar); its unhandled messages then go to that class's procedure.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/control.h"

struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  std::wstring WinClassName;   // the framework's class name for this control
  std::wstring BaseClassName;  // a system class this one superclasses; empty for none
  UINT ClassStyle = CS_DBLCLKS;
  HICON Icon = nullptr;
  HMENU Menu = nullptr;  // a top-level window's menu bar (borrowed)
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  const char* ClassName() const override { return "TWinControl"; }

  // The window, created (with its parent's) when it does not exist yet; throws
  // std::runtime_error when it cannot be created.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window (and its children's); its messages still reach the control.
  void DestroyHandle();
  // Makes the window again (for styles that only take effect at creation); users of
  // the old window hear CM_RECREATEWND first.
  void RecreateWnd();

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }

  void SetParent(TWinControl* parent) override;
  // The parent window of a control without a parent control (a window that no framework
  // control owns); used when the window is created. Borrowed, never destroyed here.
  void SetParentWindow(HWND window) { parentWindow_ = window; }
  HWND ParentWindow() const { return parentWindow_; }
  void SetBounds(int left, int top, int width, int height) override;
  int ClientWidth() const;
  int ClientHeight() const;
  void Invalidate() override;
  void Update();

  // The framework control that owns a window of this process, or null. The link is the
  // window property named by ControlPropertyName (window_class.h).
  static TWinControl* FromHandle(HWND window);

  // Paints the client area as WM_PAINT would, into any device context.
  void PaintTo(HDC dc);
  // Paints the visible windowless children into dc (client coordinates).
  void PaintControls(HDC dc);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Destroys the window (DestroyHandle calls it while a window exists).
  virtual void DestroyWnd();
  // The window's default processing: the superclassed procedure or DefWindowProc.
  virtual LRESULT DefaultProcedure(UINT msg, WPARAM wParam, LPARAM lParam);
  // For destructors: destroys the window while its last messages (WM_DESTROY,
  // WM_NCDESTROY, ...) get the default processing only, since derived parts are gone.
  void DestroyHandleFromDestructor();
  // Called once the window exists (children are created after it).
  virtual void HandleCreated() {}
  // Client-area painters; the device context is clipped to the area to paint.
  virtual void PaintBackground(HDC dc);
  virtual void PaintWindow(HDC dc) { (void)dc; }

  bool HandleMessage(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void BoundsChanged() override;
  void TextChanged() override;
  void FontChanged() override;
  // A child control was added, removed, moved, resized, shown or hidden.
  virtual void ControlsChanged() {}

  // Destroys the window while the whole object exists (see Free).
  void BeforeDestruction() override;

  // The window when it exists (never creates it).
  HWND WindowHandle() const { return handle_; }

  // Position of the window when it is created (top-level windows override).
  virtual RECT WindowBoundsForCreate() const { return BoundsRect(); }
  bool IsSuperclass() const { return defProc_ != nullptr; }
  // The visible windowless child at a client point (the topmost), or null.
  TControl* ControlAtPos(POINT point) const;

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void CreateChildHandles();
  // Sends WM_COMMAND, WM_NOTIFY and scroll-bar messages back to the child control they
  // came from (CN_*); true when a child control took the message.
  bool ReflectToChild(TMessage& message);
  // Gives mouse messages over windowless children to them (coordinates made relative
  // to the child), with CM_MOUSEENTER / CM_MOUSELEAVE as the mouse moves between them.
  bool RouteMouseToChild(TMessage& message);
  void SetMouseControl(TControl* control);
  static LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam,
                                     LPARAM lParam) noexcept;

  // What a message whose handler threw gets: the default processing of the original
  // message (WM_NCCALCSIZE with its rectangles as they came), nothing for WM_CLOSE.
  LRESULT AfterFailure(UINT msg, WPARAM wParam, LPARAM lParam,
                       const NCCALCSIZE_PARAMS& savedCalcSize);

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  WNDPROC defProc_ = nullptr;
  bool creating_ = false;
  // Set by the destructor: derived parts are gone, so the window's last messages
  // (WM_DESTROY, WM_NCDESTROY, ...) get the default processing only.
  bool destroying_ = false;
  std::vector<TControl*> controls_;
  TControl* mouseControl_ = nullptr;    // windowless child under the mouse
  TControl* captureControl_ = nullptr;  // windowless child holding the left button
};
