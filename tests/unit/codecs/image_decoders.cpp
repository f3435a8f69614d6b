#include "codecs/image_decoders.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <gif_lib.h>
#include <jpeglib.h>

namespace qv::test {

DecodedJpeg DecodeJpeg(const Bytes& file) {
  struct Errors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
  } errors{};
  DecodedJpeg out;
  jpeg_decompress_struct info{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = [](j_common_ptr c) {
    std::longjmp(reinterpret_cast<Errors*>(c->err)->jump, 1);
  };
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out.width = static_cast<int>(info.output_width);
  out.height = static_cast<int>(info.output_height);
  out.components = info.output_components;
  out.progressive = info.progressive_mode != 0;
  out.rgb.resize(static_cast<size_t>(out.width) * out.height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = &out.rgb[static_cast<size_t>(info.output_scanline) * out.width * 3];
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  out.ok = true;
  return out;
}

std::optional<Bitmap32> DecodeGif(const Bytes& file, int* colours) {
  struct Reader {
    const Bytes* data;
    size_t at = 0;
  } reader{&file};
  int error = 0;
  GifFileType* gif = DGifOpen(
      &reader,
      [](GifFileType* g, GifByteType* out, int n) {
        auto* r = static_cast<Reader*>(g->UserData);
        const size_t take = std::min(static_cast<size_t>(n), r->data->size() - r->at);
        std::memcpy(out, r->data->data() + r->at, take);
        r->at += take;
        return static_cast<int>(take);
      },
      &error);
  if (!gif) return std::nullopt;
  std::optional<Bitmap32> out;
  const ColorMapObject* map = nullptr;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1)
    map = gif->SavedImages[0].ImageDesc.ColorMap ? gif->SavedImages[0].ImageDesc.ColorMap
                                                 : gif->SColorMap;
  if (map) {
    if (colours) *colours = map->ColorCount;
    out = Bitmap32{gif->SWidth, gif->SHeight, {}};
    for (int i = 0; i < gif->SWidth * gif->SHeight; ++i) {
      const GifColorType& c = map->Colors[gif->SavedImages[0].RasterBits[i]];
      out->pixels.push_back(static_cast<uint32_t>(c.Red) << 16 | c.Green << 8 | c.Blue);
    }
  }
  DGifCloseFile(gif, &error);
  return out;
}

}  // namespace qv::test
