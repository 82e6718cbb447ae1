// The caption-button list of a skin (Windows only): one TDataSkinSysButton per caption
// button section, then the three MDI child buttons cut from section MDICONTROLS.
#pragma once
#include <memory>
#include <vector>

#include "skin/data/skin_object_readers.h"
#include "skin/data/skin_objects.h"

using TCaptionButtonList = std::vector<std::unique_ptr<TDataSkinSysButton>>;

// The MDI child buttons at the end of the list: actions 7, 8, 9.
constexpr int kMdiButtonCount = 3;
constexpr int kMdiCellsPerButton = 4;
constexpr int kMdiCells = kMdiButtonCount * kMdiCellsPerButton;  // 12 cells in the image

// Builds the whole list (the MDI buttons always included).
TCaptionButtonList ReadCaptionButtons(const TSkinSource& src);

// The cell count of a caption button whose section gives no frame: 3 for an image no
// wider than 3.8 times its height, else 6; always 6 for an empty image or a negative
// action.
int DerivedCaptionButtonFrames(const TBitmap& image, int action);
