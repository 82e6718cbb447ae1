// Skin objects derived from others when a skin is read (Windows only): the combined
// combo-box images, the combo arrow, the toolbar gradient and the title colour.
#pragma once
#include "framework/colour.h"
#include "skin/data/skin_objects.h"

// Size of one cell of the combined combo strips.
constexpr int kComboCellWidth = 50;
constexpr int kComboCellHeight = 21;
constexpr int kComboArrowSide = 17;

// Width of the combo button part: the scroll-bar arrow width plus 2.
int ComboButtonPartWidth();

// Lays SunkEdge, ComboButton and (when given) ExtraImages into one strip of
// SunkEdge.Frame cells of 50 x 21: ComboButton gets the strip (Style 2, SunkEdge's
// margins with the button part on the right), SunkEdge its mirror image.
void CombineComboImages(TDataSkinObject& sunkEdge, TDataSkinBorder& comboButton,
                        const TDataSkinObject* extraImages);

// Rebuilds the combo arrow from ComboButton (magenta shown as the button face when
// there is no SunkEdge, the 17 x 17 arrow squares of a combined strip otherwise).
// Returns false, leaving arrow as it was, when neither applies.
bool BuildComboxArrow(const TDataSkinObject* sunkEdge, const TDataSkinBorder* comboButton,
                      TColor buttonFace, TDataSkinObject& arrow);

// The title colour: the top border's pixel at a third of its width and a third of one
// cell's height; buttonFace when the image is empty or has no cells.
TColor SampleTitleColour(const TDataSkinBorder& top, TColor buttonFace);

// The toolbar gradient's colours from top (first) to bottom (second).
struct TGradientEnds {
  TColor top;
  TColor bottom;
};
TGradientEnds ToolbarGradientEnds(TColor titleColour, TColor buttonFace);
// Makes toolbar a 10 x 40 vertical gradient between those ends, Frame 1.
void BuildToolbarGradient(TColor titleColour, TColor buttonFace, TDataSkinObject& toolbar);
