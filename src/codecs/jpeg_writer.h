#pragma once
// JPEG files through libjpeg.
#include <optional>

#include "codecs/bitmap32.h"
#include "util/bytes.h"

namespace qv {

inline constexpr int kJpegQuality = 80;

// A baseline or progressive JFIF file of the picture at the quality (1..100);
// nullopt when the picture is empty or libjpeg reports an error.
std::optional<Bytes> EncodeJpeg(const Bitmap32& picture, int quality = kJpegQuality,
                                bool progressive = true);

}  // namespace qv
