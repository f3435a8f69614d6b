#pragma once
// PNG files through libpng: reading a picture another program put on the
// clipboard, writing one when a picture is saved as PNG.
#include <cstddef>
#include <optional>

#include "codecs/bitmap32.h"
#include "util/bytes.h"

namespace qv {

// The length of the PNG file at the start of `data`, up to the end of its
// IEND chunk: clipboard blocks may run on past it. nullopt when the signature
// or a chunk's length does not fit.
std::optional<size_t> PngFileLength(ByteView data);

// The pixels of the PNG file (any colour type, bit depth and interlacing);
// hasAlpha when the file has an alpha channel or a transparent colour and
// some pixel is not opaque. nullopt when the file is malformed, truncated,
// says more than its data holds, or is larger than kMaxDecodedPixels (bmp.h)
// or the memory available: never a part-decoded picture.
std::optional<AlphaBitmap> DecodePng(ByteView data);

// The picture of a PNG file as a BMP file image: 32-bit with alpha when it
// is transparent, 24-bit otherwise. nullopt when DecodePng fails.
std::optional<Bytes> PngToBmp(ByteView png);

// A PNG file of the picture, with an alpha channel when hasAlpha; nullopt
// when the picture is empty or libpng reports an error.
std::optional<Bytes> EncodePng(const AlphaBitmap& picture);

}  // namespace qv
