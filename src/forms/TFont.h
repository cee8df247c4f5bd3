#pragma once
// A control's font: typeface, character height in pixels (or size in points,
// at the screen's resolution), colour and style. Every change is reported.
#include <cstdint>
#include <functional>
#include <initializer_list>

#include "forms/Classes.h"
#include "platform/FontSpec.h"

enum TFontStyle : std::uint8_t { fsBold = 1, fsUnderline = 2 };

// A set of styles: TFontStyles{fsBold}, or {} for none.
class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(std::initializer_list<TFontStyle> styles) {
    for (TFontStyle style : styles) bits_ |= style;
  }
  constexpr bool Contains(TFontStyle style) const { return (bits_ & style) != 0; }
  constexpr bool operator==(const TFontStyles&) const = default;

 private:
  std::uint8_t bits_ = 0;
};

using TFontCharset = std::uint8_t;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset EASTEUROPE_CHARSET = 238;

class TFont {
 public:
  explicit TFont(int pixelsPerInch) : pixelsPerInch_(pixelsPerInch) {}
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  const AnsiString& Name() const { return name_; }
  void SetName(const AnsiString& name) { Assign(name_, name); }
  // Negative: the height of the characters in pixels.
  int Height() const { return height_; }
  void SetHeight(int height) { Assign(height_, height); }
  // Points; a height of -13 is 10 points at 96 pixels per inch.
  int Size() const;
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor color) { Assign(color_, color); }
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style) { Assign(style_, style); }
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset) { Assign(charset_, charset); }
  int PixelsPerInch() const { return pixelsPerInch_; }

  // What the window system needs to show text in this font.
  platform::FontSpec Spec() const;
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 private:
  template <class T>
  void Assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (onChange_) onChange_();
  }

  AnsiString name_ = "MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_;
  TFontCharset charset_ = DEFAULT_CHARSET;
  int pixelsPerInch_;
  std::function<void()> onChange_;
};
