#include "framework/bitmap.h"

#include <stdexcept>

#include "base/errors.h"

namespace sundrel {

TBitmap::TBitmap(int width, int height, TPixelFormat format) : width_(width), height_(height), format_(format) {
  Recreate();
}

TBitmap::~TBitmap() {
  DeselectFromCanvas();
}

void TBitmap::DeselectFromCanvas() {
  if (dc_ && dcOriginalBitmap_ != nullptr) SelectObject(dc_.get(), dcOriginalBitmap_);
  dcOriginalBitmap_ = nullptr;
}

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Recreate();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  format_ = format;
  Recreate();
}

uint8_t* TBitmap::ScanLine(int y) {
  if (bits_ == nullptr || y < 0 || y >= height_) throw std::out_of_range("Scan line index out of range");
  GdiFlush();  // GDI may still be drawing into the section
  return bits_ + static_cast<ptrdiff_t>(height_ - 1 - y) * Stride();
}

TCanvas& TBitmap::Canvas() {
  if (!dc_) {
    dc_.reset(CreateCompatibleDC(nullptr));
    if (bitmap_) dcOriginalBitmap_ = SelectObject(dc_.get(), bitmap_.get());
    canvas_.SetHandle(dc_.get());
  }
  return canvas_;
}

void TBitmap::Recreate() {
  DeselectFromCanvas();
  bitmap_.reset();
  bits_ = nullptr;
  if (width_ <= 0 || height_ <= 0) {
    width_ = height_ = 0;
    return;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = height_;  // positive: bottom-up rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(BytesPerPixel() * 8);
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_) {
    width_ = height_ = 0;
    throw Exception("Out of system resources");
  }
  bits_ = static_cast<uint8_t*>(bits);
  if (dc_) dcOriginalBitmap_ = SelectObject(dc_.get(), bitmap_.get());
}

}  // namespace sundrel
