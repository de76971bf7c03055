// Colours, fonts, brushes and the canvas that draws with them on a device context.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/handles_win32.h"
#include "framework/object.h"
#include "paint/color.h"

namespace sundrel {

// TColor and the system colour values are paint's (paint/color.h), shared with the skin.

// The plain 0x00BBGGRR value for the system's drawing calls; system colours are looked up now.
inline COLORREF ColorRefOf(TColor color) {
  return static_cast<COLORREF>(ColorToRGB(color));
}

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TFont : public TPersistent {
 public:
  TFont();
  // Copies every setting of the other font (and tells OnChange once).
  void Assign(const TFont& other);

  const std::string& Name() const { return name_; }
  void SetName(std::string name);
  // As the system's font height: negative values are the character height in pixels, positive
  // ones the cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  BYTE Charset() const { return charset_; }
  void SetCharset(BYTE charset);

  HFONT Handle() const;

  // Called after every change.
  std::function<void()> OnChange;

 private:
  void Changed();

  std::string name_;
  int height_;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  BYTE charset_ = DEFAULT_CHARSET;
  mutable UniqueFont handle_;
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush : public TPersistent {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style) { style_ = style; }
  HBRUSH Handle() const;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  mutable UniqueBrush handle_;
};

// Draws on a device context that belongs to someone else (a paint call, a bitmap). Each
// operation selects the canvas's font and brush only for its own duration, so the context is
// left as it was found.
class TCanvas : public TPersistent {
 public:
  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc) { dc_ = dc; }
  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }

  void FillRect(const RECT& rect);
  // DrawTextW with the canvas's font and colour; answers the text height. With DT_CALCRECT the
  // rectangle receives the size the text needs.
  int DrawText(std::string_view text, RECT& rect, UINT flags);

 private:
  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
};

}  // namespace sundrel
