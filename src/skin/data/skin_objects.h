// Skin objects (Windows only): one skin bitmap cut into equal state cells, with four
// margins drawn unscaled, transparency and tile flags, a style code and text colours.
//   TDataSkinObject     the base object
//   TDataSkinBorder     + a second image (borders, progress, tabs, combo button, up-down)
//   TDataSkinTitle      + title text settings (the base margins carry the text shifts)
//   TDataSkinButton     + check-box and radio-button images with their cell counts
//   TDataSkinSysButton  + caption-button action, alignment, position and visibility
//   TDataSkinBoxLabel   + group-box background settings
// Objects are uncopyable; moving one moves its bitmaps.
#pragma once
#include <windows.h>

#include <string>

#include "framework/bitmap.h"
#include "framework/colour.h"

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;
  TDataSkinObject(TDataSkinObject&&) = default;
  TDataSkinObject& operator=(TDataSkinObject&&) = default;
  virtual ~TDataSkinObject() = default;

  // The class name, for listings ("TDataSkinObject", "TDataSkinBorder", ...).
  virtual const char* ClassName() const { return "TDataSkinObject"; }

  // The four margins as one rectangle of widths, as the drawing routines take them.
  RECT Margins() const { return RECT{LeftWidth, TopHeight, RightWidth, BottomHeight}; }
  // Width of one cell (cells side by side); 0 for an empty image or no cells.
  int CellWidth() const { return Frame > 0 ? Image.Width() / Frame : 0; }

  int LeftWidth = 0;
  int TopHeight = 0;
  int RightWidth = 0;
  int BottomHeight = 0;
  TBitmap Image;
  int Trans = 0;  // 1: pixels of kSkinKeyColour are not drawn
  int Tile = 0;   // 1 tiles the middle part, 0 stretches it (borders: the other way round)
  std::string Name;
  int Frame = 0;  // cells in Image
  int Style = 0;
  int NormalColour = 0;  // text colours as plain numbers; -1 = not given
  int MouseOverColour = 0;
  int PressedColour = 0;
  TColor NormalColour2 = 0;  // text colours from colour triplets
  TColor MouseOverColour2 = 0;
  TColor PressedColour2 = 0;
};

class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  const char* ClassName() const override { return "TDataSkinBorder"; }

  TBitmap Image2;
};

// The title object: LeftWidth holds the text shift, TopHeight the vertical text shift,
// RightWidth the right clip of the text.
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  const char* ClassName() const override { return "TDataSkinTitle"; }

  static constexpr TColor kNoTextColour = 0x1FFFFFFF;

  int TextAlignment = 0;
  int Textbackground = 0;
  int FontHeight = 0;
  int TXTBackleft = 0;
  int TXTBackRight = 0;
  TColor ActiveText = 0;  // kNoTextColour: not given
  TColor InActiveText = 0;
};

class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  const char* ClassName() const override { return "TDataSkinButton"; }

  TBitmap CheckButton;
  TBitmap RadioButton;
  int RadioButtonFrame = 0;
  int CheckButtonFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  const char* ClassName() const override { return "TDataSkinSysButton"; }

  int Action = 0;
  int Align = 0;
  int Xcoord = 0;
  int Ycoord = 0;
  int CombineOp = 0;
  int Visibility = 0;
  int Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  const char* ClassName() const override { return "TDataSkinBoxLabel"; }

  int BackgroundLeftShift = 0;
  int BackgroundRightShift = 0;
  int BackgroundAlignment = 0;
};
