#include "codecs/jpeg_writer.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace qv {
namespace {

// libjpeg reports errors through error_exit, which must not return: it jumps
// back to the encoder, which then releases everything it holds.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Plain data only between setjmp and longjmp: no destructor is skipped.
struct Encoder {
  jpeg_compress_struct cinfo{};
  ErrorManager errors{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  bool created = false;

  ~Encoder() {
    if (created) jpeg_destroy_compress(&cinfo);
    std::free(buffer);  // jpeg_mem_dest allocates with malloc
  }

  bool Run(const Bitmap32& picture, int quality, bool progressive) {
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    if (setjmp(errors.jump)) return false;
    jpeg_create_compress(&cinfo);
    created = true;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(picture.width);
    cinfo.image_height = static_cast<JDIMENSION>(picture.height);
    // 0x00RRGGBB in little-endian memory is B, G, R, unused: read the rows as they are.
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
      const uint32_t* row =
          &picture.pixels[static_cast<size_t>(cinfo.next_scanline) * picture.width];
      JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(const_cast<uint32_t*>(row))};
      jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
  }
};

}  // namespace

std::optional<Bytes> EncodeJpeg(const Bitmap32& picture, int quality, bool progressive) {
  if (picture.width <= 0 || picture.height <= 0 || picture.width > JPEG_MAX_DIMENSION ||
      picture.height > JPEG_MAX_DIMENSION ||
      picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height)
    return std::nullopt;
  Encoder encoder;
  if (!encoder.Run(picture, quality < 1 ? 1 : quality > 100 ? 100 : quality, progressive))
    return std::nullopt;
  return Bytes(encoder.buffer, encoder.buffer + encoder.size);
}

}  // namespace qv
