// Building the caption-button list and the MDI child buttons.
#include "skin/data/caption_buttons.h"

#include <cstdint>
#include <string>

#include "framework/path_text.h"
#include "skin/data/skin_keys.h"

namespace {

// The integer keys of a caption-button section but Visibility1, whose default depends
// on Action.
constexpr IntKey<TDataSkinSysButton> kCaptionButtonIntKeys[] = {
    {"Action", 0, &TDataSkinSysButton::Action},
    {"Align", 0, &TDataSkinSysButton::Align},
    {"Xcoord", 0, &TDataSkinSysButton::Xcoord},
    {"Ycoord", 0, &TDataSkinSysButton::Ycoord},
    {"Visibility", 0, &TDataSkinSysButton::Visibility},
    {"CombineOp", -1, &TDataSkinSysButton::CombineOp},
    {"frame", 0, &TDataSkinSysButton::Frame},
};

std::unique_ptr<TDataSkinSysButton> ReadCaptionButton(const TSkinSource& src,
                                                      const std::string& section) {
  auto button = std::make_unique<TDataSkinSysButton>(UpperAscii(section));
  ReadIntKeys(src, section, kCaptionButtonIntKeys, *button);
  button->Visibility1 = src.Int(section, "Visibility1", button->Action == -1 ? -1 : 0);
  src.LoadImage(section, "ButtonImage", button->Image);
  if (button->Frame == 0) {
    button->Frame = DerivedCaptionButtonFrames(button->Image, button->Action);
    // The icon and system-menu buttons draw the application icon, not an image.
    if (button->Action == 3 || button->Action == 11) button->Image.Clear();
  }
  return button;
}

// The three MDI buttons: cells of width a = image width div 12, four per button.
void AddMdiButtons(const TSkinSource& src, TCaptionButtonList& list) {
  TBitmap strip;
  src.LoadImage(skinkeys::kMdiControls, skinkeys::kMdiControlsImage, strip);
  const int a = strip.Width() / kMdiCells;
  for (int i = 0; i < kMdiButtonCount; ++i) {
    auto button = std::make_unique<TDataSkinSysButton>("MDICONTROLS" + std::to_string(i + 1));
    button->Action = 7 + i;
    button->Align = 100;
    button->Visibility = 100;
    button->Visibility1 = 100;
    button->Frame = kMdiCellsPerButton;
    if (!strip.Empty()) {
      const int width = a * kMdiCellsPerButton;
      if (button->Image.SetSize(width, strip.Height())) {
        BitBlt(button->Image.Canvas(), 0, 0, width, strip.Height(), strip.Canvas(), width * i, 0,
               SRCCOPY);
      }
      button->Xcoord = (a + 4) * (kMdiButtonCount - i);
    }
    list.push_back(std::move(button));
  }
}

}  // namespace

int DerivedCaptionButtonFrames(const TBitmap& image, int action) {
  if (image.Empty() || image.Height() <= 0) return 6;
  if (action < 0) return 6;
  // width / height <= 3.8, compared in integers: a floating-point quotient is not
  // exact (3.8 has no binary form, and x87 extended precision rounds differently).
  return int64_t{image.Width()} * 5 <= int64_t{image.Height()} * 19 ? 3 : 6;
}

TCaptionButtonList ReadCaptionButtons(const TSkinSource& src) {
  TCaptionButtonList list;
  for (const std::string& section : skinkeys::CaptionButtonSections(src.ini)) {
    list.push_back(ReadCaptionButton(src, section));
  }
  AddMdiButtons(src, list);
  return list;
}
