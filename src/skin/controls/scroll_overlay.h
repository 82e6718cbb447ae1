// TWScrollbar: a window laid exactly over one scroll bar of a host window (a window
// scroll bar, or a whole scroll-bar control) that paints the bar from the skin and
// hands every press to the real bar, so that the system's own scrolling loop runs.
// It is a child of the host's parent, placed just above the host in Z order.
#pragma once
#include <windows.h>

#include "framework/bitmap.h"
#include "framework/win_control.h"

class TSkinControl;

class TWScrollbar : public TWinControl {
 public:
  enum Mode { kHorizontal = 0, kVertical = 1, kControl = 2 };
  // Parts (the scroll codes of the part under the mouse or being scrolled).
  static constexpr int kNone = -1, kFirstArrow = SB_LINEUP, kSecondArrow = SB_LINEDOWN,
                       kPageBefore = SB_PAGEUP, kPageAfter = SB_PAGEDOWN, kThumb = SB_THUMBTRACK;

  TWScrollbar(TComponent* owner, Mode mode);
  const char* ClassName() const override { return "TWScrollbar"; }

  // Covers the bar of host (hostControl: its framework control, whose parent becomes
  // the overlay's parent); places the overlay. The overlay's window is made only when
  // its bar first shows.
  void Attach(TSkinControl* wrapper, HWND host, TControl* hostControl);
  // Follows the bar: shown over it while bar and host are visible, hidden otherwise.
  void Place();
  void HideOverlay();
  int PartAt(POINT point) const;
  bool Showing() const { return showing_; }
  Mode BarMode() const { return mode_; }
  bool Vertical() const { return vertical_; }
  void SetHotPart(int part);
  int HotPart() const { return hot_; }
  // The bar's rectangle in the host's client coordinates (from the last Place).
  const RECT& BarClientRect() const { return clientRect_; }
  // Paints the bar into dc at the origin (the overlay's painter).
  void PaintBar(HDC dc);
  // The bar's rectangle on the screen, its state and its thumb (relative to the bar).
  bool ReadBar(SCROLLBARINFO& info) const;

 protected:
  void CreateParams(TCreateParams& params) override;
  bool HandleMessage(TMessage& message) override;

 private:
  // The overlay lies above its host with at most the host's other overlay between.
  bool JustAboveHost() const;
  // Makes the window (a child of the host's parent) at placed, hidden; false when
  // there is no parent to lie in or the window cannot be made.
  bool MakeWindow(const RECT& placed);
  void Press(TMessage& message);
  void Release(TMessage& message);

  Mode mode_;
  bool vertical_;
  TSkinControl* wrapper_ = nullptr;
  HWND host_ = nullptr;
  TControl* hostControl_ = nullptr;
  int arrowSize_;
  int barLength_ = 0;
  int thumbStart_ = 0, thumbEnd_ = 0;
  int hot_ = kNone;
  bool pressed_ = false;
  POINT cursorAtPress_{};
  int thumbStartAtPress_ = 0;
  POINT barOrigin_{};
  RECT clientRect_{};
  RECT placed_{};  // where the last Place put the overlay (parent coordinates)
  bool showing_ = false;
  TBitmap buffer_;
};

// The square between a host's two showing bars (the size box), in the host's window
// coordinates; false unless both overlays are showing.
bool ScrollCorner(HWND host, const TWScrollbar* horz, const TWScrollbar* vert, RECT& corner);

// For wrappers that own a horizontal and a vertical overlay of one host (components of
// the wrapper): made and attached, placed, hidden, freed together.
void MakeOverlays(TSkinControl* wrapper, HWND host, TControl* hostControl, TWScrollbar*& horz,
                  TWScrollbar*& vert);
void PlaceOverlays(TWScrollbar* horz, TWScrollbar* vert);
void HideOverlays(TWScrollbar* horz, TWScrollbar* vert);
// Redraws the overlays that are showing (the host scrolled or repainted).
void InvalidateOverlays(TWScrollbar* horz, TWScrollbar* vert);
// A WM_HSCROLL or WM_VSCROLL of the host lights the part it names on that bar's overlay.
void SetOverlayHotPart(UINT msg, WPARAM wParam, TWScrollbar* horz, TWScrollbar* vert);
void FreeOverlays(TWScrollbar*& horz, TWScrollbar*& vert);
