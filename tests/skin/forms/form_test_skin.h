// A small skin of the form-skinning tests whose pieces have distinct colours, and helpers
// to load it into a skin data component. Geometry:
//   Left   6 wide, 2 cells side by side; rows 0-2 magenta (cut), rows 3-7 the corner colour
//   Right  6 wide, 2 cells, never transparent
//   Top    24 high, 2 cells one above the other; 6-pixel caps; the middle has two halves
//          of different blue so tiling shows; its first 3 x 3 pixels are magenta
//   Bottom 5 high, 2 cells, never transparent
//   Buttons: close (Action 0), maximise (1), minimise (2), 16 x 16 cells, Align 1 at
//          Xcoord 20, 40, 60, Ycoord 4; an icon button (Action 3) at Align 0, (8, 4)
//   With menus: a menu-bar picture (2 cells one above the other, active and inactive),
//          a MenuBackground of one colour and the MDI child's buttons (MDICONTROLS)
#pragma once
#include <memory>
#include <string>

#include "../data/test_skins.h"
#include "skin/data/skin_data.h"
#include "skin/forms/window_facts.h"

namespace formskin {

constexpr TColor kLeft1 = RgbColour(200, 0, 0), kLeft2 = RgbColour(100, 0, 0);
constexpr TColor kLeftCorner = RgbColour(250, 100, 0);
constexpr TColor kRight1 = RgbColour(0, 200, 0), kRight2 = RgbColour(0, 100, 0);
constexpr TColor kTop1 = RgbColour(0, 0, 200), kTop1b = RgbColour(0, 60, 200);
constexpr TColor kTop2 = RgbColour(0, 0, 100), kTop2b = RgbColour(0, 60, 100);
constexpr TColor kTopCap = RgbColour(0, 150, 250);
constexpr TColor kBottom1 = RgbColour(200, 200, 0), kBottom2 = RgbColour(100, 100, 0);
constexpr TColor kFace = RgbColour(210, 210, 200);
constexpr TColor kMenu = RgbColour(230, 200, 240);
constexpr TColor kMenuBar1 = RgbColour(40, 160, 160), kMenuBar2 = RgbColour(20, 80, 80);
constexpr TColor kMenuBack = RgbColour(250, 120, 20);
// The MDI child's buttons in the bar (minimise, restore, close): their first cells.
constexpr TColor kMdiButton[3] = {RgbColour(10, 200, 90), RgbColour(90, 10, 200), RgbColour(200, 90, 10)};
constexpr TColor kMdiOther = RgbColour(120, 120, 30);
constexpr TColor kTextActive = RgbColour(255, 255, 255), kTextInactive = RgbColour(160, 160, 160);
// Close, maximise, minimise: normal, pressed, hot.
constexpr TColor kClose[3] = {RgbColour(240, 60, 60), RgbColour(120, 30, 30), RgbColour(255, 150, 150)};
constexpr TColor kMax[3] = {RgbColour(60, 240, 60), RgbColour(30, 120, 30), RgbColour(150, 255, 150)};
constexpr TColor kMin[3] = {RgbColour(60, 60, 240), RgbColour(30, 30, 120), RgbColour(150, 150, 255)};

constexpr int kLeftWidth = 6, kRightWidth = 6, kTopHeight = 24, kBottomHeight = 5;
constexpr int kTopMiddle = 28;  // the top cell's middle part: 40 - 6 - 6

struct Options {
  bool transparent = true;       // Left and Top keyed (Trans 1); else every piece Trans 0
  int textAlignment = 0;
  bool withButtons = true;
  bool withMenus = false;
  std::string extra;  // more description text
};

// The skin as a test skin (description and images).
testskin::TestSkin Make(const Options& options = {});
// A skin data component holding the skin (read directly, not through a file).
std::unique_ptr<TSkinData> Load(const Options& options = {});
// An active, sizeable window of w x h with every caption button flag and a caption,
// framed by the skin.
TWindowFacts Facts(const TSkinData& skin, int w, int h);
// Writes the skin file to a temporary file and returns its path.
std::string WriteFile(const Options& options = {});

}  // namespace formskin
