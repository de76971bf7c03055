#include "skin/image/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace sundrel {

namespace {

constexpr const char* kKind = "JPEG";
// A progressive image may hold any number of scans, each one a pass over the whole picture; real
// images have about ten.
constexpr int kMaxScans = 200;

// libjpeg reports errors through a callback that must not return; it jumps back to the decoding
// function, which turns the message into an exception once no libjpeg frame is in between.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  info->err->format_message(info, errors->message);
  std::longjmp(errors->jump, 1);
}

[[noreturn]] void Fail(j_decompress_ptr info, const char* problem) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  std::snprintf(errors->message, sizeof errors->message, "%s", problem);
  std::longjmp(errors->jump, 1);
}

void OnProgress(j_common_ptr info) {
  if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) {
    Fail(reinterpret_cast<j_decompress_ptr>(info), "it has too many scans");
  }
}

// Warnings (recoverable damage) are not worth a message box; cut-short data is an error, raised
// by the source below.
void OnMessage(j_common_ptr, int) {}

// The whole file is in memory, so the source hands it over at once; asking for more means the
// data ended before the image did.
void InitSource(j_decompress_ptr) {}
boolean FillInput(j_decompress_ptr info) {
  Fail(info, "the data is cut short");
}
void SkipInput(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  if (static_cast<size_t>(count) > info->src->bytes_in_buffer) Fail(info, "the data is cut short");
  info->src->next_input_byte += count;
  info->src->bytes_in_buffer -= static_cast<size_t>(count);
}
void TermSource(j_decompress_ptr) {}

void ToBgr(const uint8_t* src, int components, int width, uint8_t* dst) {
  for (int x = 0; x < width; ++x, dst += 3, src += components) {
    if (components == 1) {
      dst[0] = dst[1] = dst[2] = src[0];
    } else {
      dst[0] = src[2], dst[1] = src[1], dst[2] = src[0];
    }
  }
}

// Everything between setjmp and a possible longjmp lives in this frame and has no destructor to
// skip, apart from the picture, whose owner is the caller.
bool Decode(std::span<const uint8_t> file, jpeg_decompress_struct& info, ErrorManager& errors, jpeg_source_mgr& source,
            jpeg_progress_mgr& progress, TacMemBitmap& bitmap, std::string& problem) {
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  if (setjmp(errors.jump) != 0) {
    problem = errors.message;
    return false;
  }
  jpeg_create_decompress(&info);
  source.next_input_byte = file.data();
  source.bytes_in_buffer = file.size();
  source.init_source = InitSource;
  source.fill_input_buffer = FillInput;
  source.skip_input_data = SkipInput;
  source.resync_to_restart = jpeg_resync_to_restart;
  source.term_source = TermSource;
  info.src = &source;
  progress.progress_monitor = OnProgress;
  info.progress = &progress;

  jpeg_read_header(&info, TRUE);
  const int64_t width = info.image_width;
  const int64_t height = info.image_height;
  if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide ||
      width * height > kMaxImagePixels) {
    problem = std::to_string(width) + " x " + std::to_string(height) + " pixels is too large";
    return false;
  }
  if (info.jpeg_color_space == JCS_GRAYSCALE) {
    info.out_color_space = JCS_GRAYSCALE;
  } else if (info.jpeg_color_space == JCS_YCbCr || info.jpeg_color_space == JCS_RGB) {
    info.out_color_space = JCS_RGB;
  } else {
    problem = "only greyscale and colour images are supported, not CMYK";
    return false;
  }
  jpeg_start_decompress(&info);
  bitmap = NewBitmap24(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  // The row buffer belongs to libjpeg's image pool and goes with jpeg_destroy_decompress.
  JSAMPARRAY row = info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                          info.output_width * info.output_components, 1);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    if (jpeg_read_scanlines(&info, row, 1) != 1) break;
    ToBgr(row[0], info.output_components, bitmap.Width(), bitmap.Row(y));
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

bool LooksLikeJpeg(std::span<const uint8_t> file) {
  return file.size() >= 3 && file[0] == 0xFF && file[1] == 0xD8 && file[2] == 0xFF;
}

TacMemBitmap DecodeJpeg(std::span<const uint8_t> file) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  jpeg_source_mgr source{};
  jpeg_progress_mgr progress{};
  TacMemBitmap bitmap;
  std::string problem;
  bool decoded = false;
  try {
    decoded = Decode(file, info, errors, source, progress, bitmap, problem);
  } catch (...) {
    jpeg_destroy_decompress(&info);
    throw;
  }
  jpeg_destroy_decompress(&info);
  if (!decoded) ThrowInvalidImage(kKind, problem);
  return bitmap;
}

}  // namespace sundrel
