#include "codecs/gif_writer.h"

#include <gif_lib.h>

#include <memory>

namespace qv {
namespace {

int AppendToBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
  }
};
struct MapFreer {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

}  // namespace

std::optional<Bytes> EncodeGif(const IndexedPicture& picture) {
  if (picture.width <= 0 || picture.height <= 0 || picture.width > 65535 ||
      picture.height > 65535 || picture.palette.empty() || picture.palette.size() > 256 ||
      picture.indices.size() != static_cast<size_t>(picture.width) * picture.height)
    return std::nullopt;
  // The colour table holds a power of two entries; the rest stay black.
  const int tableSize = 1 << GifBitSize(static_cast<int>(picture.palette.size()));
  std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(tableSize, nullptr));
  if (!map) return std::nullopt;
  for (int i = 0; i < tableSize; ++i) {
    uint32_t c = i < static_cast<int>(picture.palette.size()) ? picture.palette[i] : 0;
    map->Colors[i] = {static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                      static_cast<GifByteType>(c)};
  }

  Bytes out;
  int error = 0;
  {
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&out, AppendToBytes, &error));
    if (!gif) return std::nullopt;
    EGifSetGifVersion(gif.get(), false);  // GIF87a: no extensions are written
    if (EGifPutScreenDesc(gif.get(), picture.width, picture.height, map->BitsPerPixel, 0,
                          map.get()) == GIF_ERROR ||
        EGifPutImageDesc(gif.get(), 0, 0, picture.width, picture.height, false, nullptr) ==
            GIF_ERROR)
      return std::nullopt;
    for (int y = 0; y < picture.height; ++y) {
      // giflib takes a non-const line but does not change it.
      auto* line =
          const_cast<GifPixelType*>(&picture.indices[static_cast<size_t>(y) * picture.width]);
      if (EGifPutLine(gif.get(), line, picture.width) == GIF_ERROR) return std::nullopt;
    }
    GifFileType* raw = gif.release();
    if (EGifCloseFile(raw, &error) == GIF_ERROR) return std::nullopt;
  }
  return out;
}

std::optional<Bytes> EncodeGif(const Bitmap32& picture) {
  if (picture.width <= 0 || picture.height <= 0 || picture.width > 65535 || picture.height > 65535)
    return std::nullopt;
  return EncodeGif(ReduceTo256Colours(picture));
}

}  // namespace qv
