#include "codecs/image_decoders.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <gif_lib.h>
#include <jpeglib.h>

namespace qv::test {
namespace {

struct DecodeErrors {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

struct Reader {
  const Bytes* data;
  size_t at = 0;
};

}  // namespace

DecodedJpeg DecodeJpeg(const Bytes& file) {
  DecodedJpeg out;
  jpeg_decompress_struct info{};
  DecodeErrors errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = [](j_common_ptr c) {
    std::longjmp(reinterpret_cast<DecodeErrors*>(c->err)->jump, 1);
  };
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    out.ok = false;
    return out;
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
  Reader reader{&file};
  int error = 0;
  GifFileType* gif = DGifOpen(
      &reader,
      [](GifFileType* g, GifByteType* out, int n) {
        auto* r = static_cast<Reader*>(g->UserData);
        int take =
            static_cast<int>(std::min<size_t>(static_cast<size_t>(n), r->data->size() - r->at));
        std::memcpy(out, r->data->data() + r->at, static_cast<size_t>(take));
        r->at += static_cast<size_t>(take);
        return take;
      },
      &error);
  if (!gif) return std::nullopt;
  std::optional<Bitmap32> out;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1) {
    const SavedImage& image = gif->SavedImages[0];
    const ColorMapObject* map =
        image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    if (colours) *colours = map ? map->ColorCount : 0;
    Bitmap32 b{gif->SWidth, gif->SHeight,
               std::vector<uint32_t>(static_cast<size_t>(gif->SWidth) * gif->SHeight)};
    for (size_t i = 0; map && i < b.pixels.size(); ++i) {
      const GifColorType& c = map->Colors[image.RasterBits[i]];
      b.pixels[i] =
          static_cast<uint32_t>(c.Red) << 16 | static_cast<uint32_t>(c.Green) << 8 | c.Blue;
    }
    if (map) out = std::move(b);
  }
  DGifCloseFile(gif, &error);
  return out;
}

}  // namespace qv::test
