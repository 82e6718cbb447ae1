// Caption buttons of a skinned window (Windows only).
//   TWinSysButton    one caption button: a TNCObject drawn from a TDataSkinSysButton
//   TCaptionButtons  the window's buttons in the skin's order: visibility, placement by
//                    Align, painting into the title bar, hit lookup
// Actions (the skin's Action key) are listed in TCaptionAction.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "framework/bitmap.h"
#include "skin/data/skin_objects.h"
#include "skin/forms/nc_object.h"
#include "skin/forms/window_facts.h"

class TSkinData;

namespace captionaction {
constexpr int kClose = 0;
constexpr int kMaximise = 1, kMaximise2 = 22;
constexpr int kMinimise = 2, kMinimise2 = 23;
constexpr int kIcon = 3, kIcon2 = 11, kSystemMenu = 12;
constexpr int kMdiMinimise = 7, kMdiMinimise2 = 60;
constexpr int kMdiRestore = 8, kMdiRestore2 = 61;
constexpr int kMdiClose = 9, kMdiClose2 = 62;
inline bool IsIcon(int action) { return action == kIcon || action == kIcon2; }
}  // namespace captionaction

// The window answers message 13589 (wParam Visibility, lParam Action) for Visibility
// values 1000 to 2000.
using TVisibilityQuery = std::function<LRESULT(int visibility, int action)>;

// The three visibility tests of a caption button, by the window's facts.
bool CaptionButtonShown(const TDataSkinSysButton& skin, const TWindowFacts& facts,
                        const TVisibilityQuery& query);

class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TNCHost& host, const TDataSkinSysButton& skin, const TBitmap* iconImage);

  const TDataSkinSysButton& Skin() const { return skin_; }
  int Action() const { return skin_.Action; }
  // The strip the button draws (the window icon for an icon button without an image).
  const TBitmap& Image() const { return image_ ? *image_ : skin_.Image; }
  int Frames() const { return frames_; }
  bool IsIcon() const { return captionaction::IsIcon(skin_.Action); }

  // What the button's own paint needs to know: the window icon and activity.
  HICON Icon = nullptr;
  bool WindowActive = true;

  // Paints the current state (frame = state; a Visibility 100 button shows frame 4 when
  // hot; an icon button draws the icon).
  void Paint(HDC windowDc) override;
  // Draws the window icon into rect.
  void DrawIcon(HDC dc) const;

 private:
  const TDataSkinSysButton& skin_;
  const TBitmap* image_ = nullptr;  // the icon bitmap, when the skin gives no image
  int frames_ = 1;
};

class TCaptionButtons {
 public:
  // Frees the buttons (a skin change calls this before the new skin's buttons exist).
  void Clear();
  // One button per caption button of the skin; icon buttons take iconImage (the
  // window's small icon on 0xFF00FF) when the skin gives them no image.
  void Rebuild(TNCHost& host, const TSkinData& skin, const TBitmap& iconImage);
  bool Empty() const { return buttons_.empty(); }
  size_t Count() const { return buttons_.size(); }
  TWinSysButton& At(size_t i) const { return *buttons_[i]; }

  // Visibility and rectangles (window coordinates) for the facts, beside the caption
  // text drawn at textRect; menuBar is the skin's menu-bar object or null.
  void Layout(const TWindowFacts& facts, const RECT& textRect, const TDataSkinObject* menuBar,
              const TVisibilityQuery& query);
  // The largest left edge of the visible Align 1 buttons (0 when none is above 0).
  int RightLimit() const { return rightLimit_; }
  // Draws every visible button (Visibility other than 100) into the title-bar buffer.
  void PaintAtTitle(HDC dc, const TWindowFacts& facts, HICON icon) const;
  // The first visible button with an Action of 0 or more that contains the point.
  TWinSysButton* HitTest(POINT windowPoint) const;

 private:
  std::vector<std::unique_ptr<TWinSysButton>> buttons_;
  int rightLimit_ = 0;
};
