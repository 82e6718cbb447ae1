// TFont: a font description (name, height, colour, character set, style) that makes
// its GDI font on demand and tells its user when it changes. Windows only.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "framework/colour.h"
#include "framework/gdi.h"
#include "framework/properties.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont : public TPersistent {
 public:
  TFont();
  const char* ClassName() const override { return "TFont"; }
  void DefineProperties(TPropList& list) const override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Height() const { return height_; }  // negative: character height in pixels
  void SetHeight(int height);
  int Size() const;  // points at the screen's resolution
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  unsigned Style() const { return style_; }
  void SetStyle(unsigned style);

  // Copies the description (not the change handler).
  void Assign(const TFont& other);
  bool SameAs(const TFont& other) const;
  // The GDI font, made on first use and kept until the description changes.
  HFONT Handle() const;

  std::function<void()> OnChange;

  // Vertical resolution of the screen in dots per inch.
  static int ScreenPixelsPerInch();

 private:
  void Changed();

  std::string name_ = "Tahoma";
  int height_ = -11;
  TColor color_;
  int charset_ = DEFAULT_CHARSET;
  unsigned style_ = 0;
  mutable OwnedFont handle_;
};
