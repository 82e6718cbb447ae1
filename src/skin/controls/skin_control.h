// TSkinControl: the base of every control wrapper. A wrapper takes over a control's
// messages (a framework control's message method, or a bare window's procedure),
// lets the control do its own work and paints the control's visible parts again
// from the skin. It answers the query-skinned message, can be switched off and on,
// marks itself dead (state 6) when the control's window is destroyed, and puts every
// replaced method or procedure back when it is freed, in whatever order the control,
// its window and the window skin go.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/component.h"
#include "framework/control.h"
#include "framework/message_method.h"
#include "framework/messages.h"
#include "framework/subclass.h"

class TBitmap;
class TSkinControlList;
class TSkinData;
class TWinControl;

class TSkinControl : public TComponent {
 public:
  // Bits of the mouse state.
  static constexpr uint8_t kHot = 1;      // the mouse is over the control
  static constexpr uint8_t kPressed = 2;  // the left button or space is held on it
  // Values of State().
  static constexpr int kStateAttached = 1;
  static constexpr int kStateDead = 6;  // the window is gone; the window skin frees it

  explicit TSkinControl(TComponent* owner);
  ~TSkinControl() override;
  const char* ClassName() const override { return "TSkinControl"; }

  // Attaches to the framework control that owns this wrapper (a second call does
  // nothing). With manageColour the control takes the skin's face colour meanwhile.
  virtual void InitSkin(TSkinControlList* windowSkin, TSkinData* skinData, bool manageColour,
                        TBitmap* canvas = nullptr);
  // Attaches to a bare window (no framework control) by replacing its window procedure
  // with a thunk that routes to this wrapper (a second call does nothing). The
  // procedure is put back when the wrapper is freed; a window destroyed first lets go
  // by itself and leaves the wrapper dead (state 6).
  virtual void InitSkinWindow(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                              TBitmap* canvas = nullptr);
  // Switches the visible effects off (the control's own colour comes back).
  virtual void Unskin();
  // First look at a message; true lets it go on to the control (then AfterMessage).
  virtual bool BeforeMessage(TMessage& message);
  virtual void AfterMessage(TMessage& message);
  // Measures the window and calls DrawControl; a null dc paints into the window DC.
  virtual void PaintControl(HDC dc);
  // Draws the skinned parts; rect is the window rectangle moved to the origin.
  virtual void DrawControl(HDC dc, const RECT& rect);
  // The skin changed: take the face colour again and repaint.
  virtual void SkinChanged();
  virtual bool IsSkinControl() const { return true; }

  // ---- State ----
  HWND Handle() const { return handle_; }
  TControl* Control() const { return control_; }
  TControl* GraphicControl() const { return graphicControl_; }
  TSkinData* SkinData() const { return skinData_; }
  TSkinControlList* WindowSkin() const { return windowSkin_; }
  int State() const { return state_; }
  bool Active() const { return active_; }
  bool Attached() const { return attached_; }
  uint8_t MouseState() const { return mouseState_; }
  // The control takes the skin's face colour while the wrapper is attached.
  bool ManageColour() const { return manageColour_; }
  int Kind = 0;  // drawing variant chosen by the creator

  // Called by a list that is freed before its wrappers.
  void ForgetWindowSkin(const TSkinControlList* list);

  // ---- Shared operations of all wrappers ----
  void Repaint();
  void CallDefault(TMessage& message);
  void FillFace(HDC dc, const RECT& rect) const;
  void FillParent(HDC dc, const RECT& rect) const;
  static void FillColour(HDC dc, const RECT& rect, int32_t colour);
  TColor FaceColour() const;
  TColor ParentColour() const;
  LONG GetStyle(HWND window, int index) const;
  // A focus rectangle around the caption as drawn with flags inside rect.
  void DrawFocusText(HDC dc, UINT flags, const RECT& rect) const;
  // Paints the control's parent under the control into dc.
  static void PaintParentBackground(TControl* control, HDC dc);
  // WM_PAINT consumed by the wrapper: paints with wParam as DC or BeginPaint.
  void PaintByMessage(TMessage& message);
  // WM_ERASEBKGND consumed by the wrapper: the parent's background; result 1.
  void EraseBackground(TMessage& message);

 protected:
  // Lets go of the control before the derived parts are destroyed, so no message
  // reaches a half-destroyed wrapper.
  void BeforeDestruction() override { RestoreMessageMethod(); }
  // Routes one message of the wrapped control (see BeforeMessage, AfterMessage).
  void Dispatch(TMessage& message) noexcept;
  // The control's window is gone: switched off, state 6, visible effects undone.
  void MarkDead();
  // Puts the control's message method back; the wrapper no longer sees messages.
  void RestoreMessageMethod();
  // Replaces the control's message method by the wrapper's handler.
  void TakeMessageMethod(TControl* control);
  // Replaces a bare window's procedure by a thunk to the wrapper's handler.
  bool TakeWindowProcedure(HWND window);
  // The first attach steps for a bare window: skin data, canvas, window skin, handle,
  // unicode, enabled, kind 0 and the caption. False when the window does not exist.
  bool AttachBare(HWND window, TSkinData* skinData, TSkinControlList* windowSkin,
                  TBitmap* canvas);
  void JoinWindowSkin(TSkinControlList* windowSkin);
  // False for wrappers that only join the list and never see the control's messages.
  virtual bool TakesMessages() const { return true; }
  // The first attach steps for a windowed framework control: skin data, canvas,
  // control, handle (made if needed), unicode; joins the window skin's list.
  void AttachWindowed(TWinControl* control, TSkinData* skinData, TSkinControlList* windowSkin,
                      TBitmap* canvas);

  uint8_t mouseState_ = 0;
  TBitmap* canvas_ = nullptr;
  bool enabled_ = true;
  bool focused_ = false;
  std::wstring caption_;
  bool active_ = true;
  bool unicode_ = true;
  TSkinData* skinData_ = nullptr;
  HWND handle_ = nullptr;
  TControl* control_ = nullptr;
  RECT windowRect_{};
  TControl* graphicControl_ = nullptr;
  bool manageColour_ = false;
  TColor savedColour_ = 0;
  bool attached_ = false;
  int state_ = 0;
  TSkinControlList* windowSkin_ = nullptr;

 private:
  // The replacement of the wrapped control's message method (framework controls).
  TControlSubclass subclass_;
  bool usesMethod_ = false;
  // The replaced window procedure of a bare window.
  TWindowSubclass windowProcedure_;
};
