// TFont (see font.h).
#include "framework/font.h"

#include <algorithm>
#include <cmath>

#include "framework/wide.h"

TFont::TFont() : color_(SystemColour(COLOR_WINDOWTEXT)) {}

void TFont::DefineProperties(TPropList& list) const {
  list.String<TFont>("Name", [](TFont& f) { return f.Name(); },
                     [](TFont& f, const std::string& v) { f.SetName(v); });
  list.Integer<TFont>("Height", [](TFont& f) -> int64_t { return f.Height(); },
                      [](TFont& f, int64_t v) { f.SetHeight(static_cast<int>(v)); });
  list.Integer<TFont>("Size", [](TFont& f) -> int64_t { return f.Size(); },
                      [](TFont& f, int64_t v) { f.SetSize(static_cast<int>(v)); });
  list.Integer<TFont>("Color", [](TFont& f) -> int64_t { return f.Color(); },
                      [](TFont& f, int64_t v) { f.SetColor(static_cast<TColor>(v)); });
  list.Integer<TFont>("Charset", [](TFont& f) -> int64_t { return f.Charset(); },
                      [](TFont& f, int64_t v) { f.SetCharset(static_cast<int>(v)); });
}

int TFont::ScreenPixelsPerInch() {
  WindowDC screen(nullptr);
  int ppi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
  return ppi > 0 ? ppi : 96;
}

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const {
  return static_cast<int>(std::lround(-height_ * 72.0 / ScreenPixelsPerInch()));
}

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetStyle(unsigned style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::Assign(const TFont& other) {
  if (SameAs(other)) return;
  name_ = other.name_;
  height_ = other.height_;
  color_ = other.color_;
  charset_ = other.charset_;
  style_ = other.style_;
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
         charset_ == other.charset_ && style_ == other.style_;
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
    lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    std::wstring face = Widen(name_);
    face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
    face.copy(lf.lfFaceName, face.size());
    handle_.Reset(CreateFontIndirectW(&lf));
  }
  return handle_.Get();
}

void TFont::Changed() {
  handle_.Reset();
  if (OnChange) OnChange();
}
