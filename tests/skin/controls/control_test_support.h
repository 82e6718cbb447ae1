// Support for the control wrapper tests under Wine: small skins with a distinct colour
// per state frame, a shown form, real input (SendInput), bounded waits that pump
// messages, and pixels read back from the form's window.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/bmp_format.h"
#include "framework/colour.h"
#include "framework/form.h"
#include "skin/data/skin_data.h"

namespace controltest {

// Face frames 1..5 of the button object (normal, pressed, disabled, hot, focused).
extern const TColor kFace[5];
extern const TColor kButtonFace;  // the skin's ButtonFace colour

// Colour of cell i (0-based) of a strip with n cells: distinct for every cell.
TColor CellColour(int strip, int i);
// The vertical scroll bar's track, thumb and thumb grip (normal frames).
extern const TColor kVertTrack, kVertThumb, kVertGrip;

struct SkinOptions {
  int checkFrames = 4;     // 4 or 12 check-box frames (13 x 13 each)
  bool checkFrameKey = false;  // give CheckButtonFrame in the description
  int radioFrames = 4;     // 4 or 8
  int scrollThickness = 0; // Scrollbar image height; 0: the system arrow size
  bool scrollbars = true;
  std::string extra;       // more description text
  std::vector<std::pair<std::string, PixelImage>> images;  // more images, by entry name
};
// A skin data component holding a small test skin (not registered with a manager).
std::unique_ptr<TSkinData> MakeSkin(const SkinOptions& options = SkinOptions());

// A shown form of the given client size at the screen's top-left corner.
std::unique_ptr<TForm> MakeForm(int width, int height);

// Pumps messages until done() is true or timeoutMs passed; returns done().
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 3000);
// Pumps the messages waiting now (and the paints they cause).
void Pump();

// Real input: the cursor to a screen point, left button down/up, a key.
void MoveTo(POINT screen);
// Only sends the move (for use inside a modal loop that must see the messages itself).
void SendMoveTo(POINT screen);
void LeftDown();
void LeftUp();
void Key(WORD vk, bool down);
void Wheel(int delta);
// A point of a window's client area on the screen.
POINT ScreenPoint(HWND window, int x, int y);
// A window's rectangle on the screen; what the system says of one of its scroll bars
// (OBJID_VSCROLL, OBJID_HSCROLL, OBJID_CLIENT for a scroll-bar control).
RECT WindowRect(HWND window);
SCROLLBARINFO ScrollBarOf(HWND window, LONG id);
// Waits (bounded) until the overlay of a window's vertical bar draws its thumb where the
// system has the window's thumb: thumb or grip just inside its top, the track just
// above it (when there is track above).
bool ThumbDrawnAtSystemPlace(HWND host, HWND overlay);

// Pixels of a window's client area as shown (children included).
class Capture {
 public:
  explicit Capture(HWND window);
  COLORREF At(int x, int y) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};
// The colour at a point of a window's client area after the window was updated.
COLORREF PixelOf(HWND window, int x, int y);
COLORREF Rgb(TColor colour);

// Benchmark helpers: the median of some figures, and the milliseconds one full repaint
// of a form takes (its children and frame included, after the waiting messages).
double MedianOf(std::vector<double> figures);
double RepaintMs(TForm& form);

}  // namespace controltest
