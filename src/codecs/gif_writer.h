#pragma once
// GIF files through giflib: one image, LZW compressed, global colour table.
#include <optional>

#include "codecs/bitmap32.h"
#include "codecs/palette.h"
#include "util/bytes.h"

namespace qv {

// A single-image GIF file of the indexed picture; nullopt when giflib fails or
// the picture is empty or larger than GIF's 65535 x 65535.
std::optional<Bytes> EncodeGif(const IndexedPicture& picture);

// The picture reduced to 256 colours (optimised palette, Floyd–Steinberg) as a GIF file.
std::optional<Bytes> EncodeGif(const Bitmap32& picture);

}  // namespace qv
