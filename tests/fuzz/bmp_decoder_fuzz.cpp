// Bitmap files from a skin are untrusted: any bytes must give a picture or EInvalidGraphic.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/image/bmp_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const sundrel::TacMemBitmap bitmap = sundrel::DecodeBmp({data, size});
    // Every pixel must be readable where the picture says it is.
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0) std::abort();
    volatile sundrel::TColor corner = bitmap.Pixel(bitmap.Width() - 1, bitmap.Height() - 1);
    (void)corner;
  } catch (const sundrel::EInvalidGraphic&) {
  }
  return 0;
}
