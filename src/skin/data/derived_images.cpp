// Derived skin objects: combined combo images, combo arrow, toolbar gradient, title colour.
#include "skin/data/derived_images.h"

#include "framework/gdi.h"
#include "skin/data/image_utils.h"
#include "skin/data/skin_draw.h"

namespace {

void FillRectColour(HDC dc, const RECT& rect, TColor colour) {
  OwnedBrush brush(CreateSolidBrush(static_cast<COLORREF>(ResolveColour(colour))));
  FillRect(dc, &rect, brush.Get());
}

}  // namespace

int ComboButtonPartWidth() { return GetSystemMetrics(SM_CXHSCROLL) + 2; }

void CombineComboImages(TDataSkinObject& sunkEdge, TDataSkinBorder& comboButton,
                        const TDataSkinObject* extraImages) {
  const int k = sunkEdge.Frame;
  const int bw = ComboButtonPartWidth();
  if (k <= 0) return;
  TBitmap strip;
  TBitmap cell;
  if (!strip.SetSize(kComboCellWidth * k, kComboCellHeight) ||
      !cell.SetSize(kComboCellWidth, kComboCellHeight)) {
    return;
  }
  strip.Fill(kSkinKeyColour);
  const RECT whole{0, 0, kComboCellWidth, kComboCellHeight};
  const RECT buttonPart{kComboCellWidth - bw, 0, kComboCellWidth, kComboCellHeight};
  const RECT textPart{2, 2, kComboCellWidth - 1 - bw, 18};
  for (int c = 1; c <= k; ++c) {
    // Each cell starts from the key colour so transparent parts stay transparent.
    cell.Fill(kSkinKeyColour);
    HDC dc = cell.Canvas();
    DrawNineSlice(dc, whole, sunkEdge.Image, sunkEdge.Margins(), false, false, sunkEdge.Frame, c,
                  sunkEdge.Trans == 1);
    DrawNineSlice(dc, buttonPart, comboButton.Image, comboButton.Margins(), false, false,
                  comboButton.Frame, c, true);
    if (extraImages) {
      DrawStripFrameCentred(dc, buttonPart, extraImages->Image, true, extraImages->Frame, c);
    }
    FillRectColour(dc, textPart, kSkinKeyColour);
    BitBlt(strip.Canvas(), kComboCellWidth * (c - 1), 0, kComboCellWidth, kComboCellHeight, dc, 0,
           0, SRCCOPY);
  }

  comboButton.Style = 2;
  comboButton.LeftWidth = 2;
  comboButton.TopHeight = sunkEdge.TopHeight;
  comboButton.RightWidth = bw + 2;
  comboButton.BottomHeight = sunkEdge.BottomHeight;
  CopyBitmap(strip, comboButton.Image);

  MirrorBitmap(strip);
  CopyBitmap(strip, sunkEdge.Image);
  sunkEdge.LeftWidth = bw + 2;
  sunkEdge.RightWidth = 2;
}

bool BuildComboxArrow(const TDataSkinObject* sunkEdge, const TDataSkinBorder* comboButton,
                      TColor buttonFace, TDataSkinObject& arrow) {
  if (!comboButton) return false;
  if (!sunkEdge) {
    CopyBitmap(comboButton->Image, arrow.Image);
    if (!arrow.Image.Empty()) ReplaceMagenta(arrow.Image, ResolveColour(buttonFace));
    arrow.Frame = comboButton->Frame;
    return true;
  }
  if (comboButton->Style != 2) return false;
  const int k = sunkEdge->Frame;
  TBitmap squares;
  if (k <= 0 || !squares.SetSize(kComboArrowSide * k, kComboArrowSide)) return false;
  squares.Fill(kSkinKeyColour);
  const int cw = comboButton->Image.Width() / k;
  if (!comboButton->Image.Empty()) {
    for (int i = 1; i <= k; ++i) {
      BitBlt(squares.Canvas(), kComboArrowSide * (i - 1), 0, kComboArrowSide, kComboArrowSide,
             comboButton->Image.Canvas(), i * cw - 19, 2, SRCCOPY);
    }
  }
  arrow.Frame = k;
  arrow.Image = std::move(squares);
  return true;
}

TColor SampleTitleColour(const TDataSkinBorder& top, TColor buttonFace) {
  // A frame count of 0 (or less) has no cells to sample.
  if (top.Image.Empty() || top.Frame <= 0) return buttonFace;
  return top.Image.GetPixel(top.Image.Width() / 3, (top.Image.Height() / top.Frame) / 3);
}

TGradientEnds ToolbarGradientEnds(TColor titleColour, TColor buttonFace) {
  const TColor t = ResolveColour(titleColour);
  TGradientEnds ends;
  ends.top = BlendColours(buttonFace, 0xFFFFFF, 150);
  ends.bottom = BlendColours(0x808080, t, 150);
  const int s = ColourSaturation(t);
  if (s > 110) ends.bottom = BlendColours(t, 0xFFFFFF, (5625 - 25 * s) / 140 + 50);
  return ends;
}

void BuildToolbarGradient(TColor titleColour, TColor buttonFace, TDataSkinObject& toolbar) {
  const TGradientEnds ends = ToolbarGradientEnds(titleColour, buttonFace);
  TBitmap gradient(10, 40);
  if (!gradient.Empty()) {
    const RECT rect{0, 0, 10, 40};
    FillGradient(gradient.Canvas(), rect, ends.top, true, ends.bottom);
  }
  toolbar.Image = std::move(gradient);
  toolbar.Frame = 1;
}
