#pragma once
// Independent decoders for the files the writers make: libjpeg's and giflib's own.
#include <cstdint>
#include <optional>
#include <vector>

#include "codecs/bitmap32.h"
#include "util/bytes.h"

namespace qv::test {

struct DecodedJpeg {
  bool ok = false;
  int width = 0, height = 0, components = 0;
  bool progressive = false;
  std::vector<uint8_t> rgb;
};
DecodedJpeg DecodeJpeg(const Bytes& file);

// The single image of a GIF file; `colours` gets the size of its colour table.
std::optional<Bitmap32> DecodeGif(const Bytes& file, int* colours = nullptr);

}  // namespace qv::test
