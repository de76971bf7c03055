// A bitmap in a device-independent section: its pixels are plain memory that the portable
// paint code addresses row by row, and its HBITMAP is what GDI draws with.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/handles_win32.h"
#include "framework/graphics.h"

namespace sundrel {

enum class TPixelFormat { pf24bit, pf32bit };

class TBitmap : public TPersistent {
 public:
  TBitmap() = default;
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  TPixelFormat PixelFormat() const { return format_; }
  // Both make a new, black picture; a size of 0 in either direction leaves no bitmap at all.
  void SetSize(int width, int height);
  void SetPixelFormat(TPixelFormat format);

  HBITMAP Handle() const { return bitmap_.get(); }
  // The first byte of row y (0 is the top row). Rows are stored bottom-up, as GDI keeps them:
  // the next row down is RowDelta() bytes away, a negative number.
  uint8_t* ScanLine(int y);
  int RowDelta() const { return -Stride(); }
  int BytesPerPixel() const { return format_ == TPixelFormat::pf24bit ? 3 : 4; }

  // Draws on the bitmap through a memory device context made when first asked for.
  TCanvas& Canvas();

 private:
  int Stride() const { return (width_ * BytesPerPixel() + 3) & ~3; }
  void Recreate();
  void DeselectFromCanvas();

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = TPixelFormat::pf24bit;
  uint8_t* bits_ = nullptr;
  UniqueBitmap bitmap_;
  UniqueDC dc_;
  HGDIOBJ dcOriginalBitmap_ = nullptr;
  TCanvas canvas_;
};

}  // namespace sundrel
