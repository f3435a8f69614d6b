#include "codecs/png.h"

#include <cstring>
#include <new>
#include <vector>

#include <png.h>

#include "codecs/bmp.h"
#include "util/le_io.h"

namespace qv {
namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t LoadU32BigEndian(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
         static_cast<uint32_t>(p[2]) << 8 | p[3];
}

// libpng's simplified writing interface keeps its error handling (setjmp)
// inside the library: a failure comes back as a zero result. This frees what
// it holds.
class PngImage {
 public:
  PngImage() {
    std::memset(&image_, 0, sizeof(image_));
    image_.version = PNG_IMAGE_VERSION;
  }
  ~PngImage() { png_image_free(&image_); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
  png_image* operator->() { return &image_; }
  png_image* get() { return &image_; }

 private:
  png_image image_;
};

// The reading half of libpng reports errors by longjmp: the two functions
// that call into it hold plain data only, and everything is released by the
// reader's destructor once they have returned.
[[noreturn]] void OnError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

struct Reader {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ByteView data;
  size_t at = 0;

  explicit Reader(ByteView bytes) : data(bytes) {
    png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (png) info = png_create_info_struct(png);
  }
  ~Reader() {
    if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  static void Read(png_structp png, png_bytep out, size_t n) {
    auto* self = static_cast<Reader*>(png_get_io_ptr(png));
    if (n > self->data.size() - self->at) png_error(png, "truncated");
    std::memcpy(out, self->data.data() + self->at, n);
    self->at += n;
  }
};

struct Header {
  uint32_t width = 0, height = 0;
  bool alpha = false;  // an alpha channel or a transparent colour
};

// Reads up to the image data and asks for 8-bit B, G, R, A samples whatever
// the file holds. The samples are taken as stored: no gamma correction.
bool ReadHeader(Reader& r, Header& header) {
  if (setjmp(png_jmpbuf(r.png))) return false;
  png_set_read_fn(r.png, &r, Reader::Read);
  png_read_info(r.png, r.info);
  const png_byte type = png_get_color_type(r.png, r.info);
  header.alpha = (type & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(r.png, r.info, PNG_INFO_tRNS);
  png_set_expand(r.png);  // palette to RGB, low depths to 8 bits, tRNS to alpha
  png_set_scale_16(r.png);
  png_set_gray_to_rgb(r.png);
  png_set_bgr(r.png);
  if (!header.alpha) png_set_filler(r.png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(r.png);
  png_read_update_info(r.png, r.info);
  if (png_get_rowbytes(r.png, r.info) !=
      4 * static_cast<size_t>(png_get_image_width(r.png, r.info)))
    return false;
  header.width = png_get_image_width(r.png, r.info);
  header.height = png_get_image_height(r.png, r.info);
  return true;
}

// Every row (all passes of an interlaced file), then the chunks up to IEND.
bool ReadRows(Reader& r, png_bytepp rows) {
  if (setjmp(png_jmpbuf(r.png))) return false;
  png_read_image(r.png, rows);
  png_read_end(r.png, nullptr);
  return true;
}

std::optional<AlphaBitmap> Decode(ByteView data) {
  if (data.size() < sizeof(kSignature) || std::memcmp(data.data(), kSignature, 8) != 0)
    return std::nullopt;
  Reader reader(data);
  Header header;
  if (!reader.info || !ReadHeader(reader, header)) return std::nullopt;
  const uint64_t width = header.width, height = header.height;
  if (width == 0 || height == 0 || width * height > kMaxDecodedPixels) return std::nullopt;

  AlphaBitmap out;
  out.bitmap.width = static_cast<int>(width);
  out.bitmap.height = static_cast<int>(height);
  out.bitmap.pixels.resize(static_cast<size_t>(width * height));
  std::vector<png_bytep> rows(static_cast<size_t>(height));
  for (size_t y = 0; y < rows.size(); ++y)
    rows[y] = reinterpret_cast<png_bytep>(&out.bitmap.pixels[y * static_cast<size_t>(width)]);
  if (!ReadRows(reader, rows.data())) return std::nullopt;
  // B, G, R, A bytes: a little-endian 0xAARRGGBB.
  bool transparent = false;
  for (uint32_t& p : out.bitmap.pixels) {
    p = LoadU32(reinterpret_cast<const uint8_t*>(&p));
    transparent |= (p >> 24) != 0xFF;
  }
  out.hasAlpha = header.alpha && transparent;
  if (!out.hasAlpha)
    for (uint32_t& p : out.bitmap.pixels) p &= 0x00FFFFFF;
  return out;
}

}  // namespace

std::optional<size_t> PngFileLength(ByteView data) {
  if (data.size() < sizeof(kSignature) || std::memcmp(data.data(), kSignature, 8) != 0)
    return std::nullopt;
  size_t pos = sizeof(kSignature);
  while (data.size() - pos >= 12) {
    const uint64_t length = LoadU32BigEndian(&data[pos]);
    const bool end = std::memcmp(&data[pos + 4], "IEND", 4) == 0;
    if (length + 12 > data.size() - pos) return std::nullopt;
    pos += static_cast<size_t>(length) + 12;
    if (end) return pos;
  }
  return std::nullopt;
}

std::optional<AlphaBitmap> DecodePng(ByteView data) {
  try {
    return Decode(data);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

std::optional<Bytes> PngToBmp(ByteView png) {
  try {
    auto picture = Decode(png);
    if (!picture) return std::nullopt;
    return EncodeBmp(picture->bitmap, picture->hasAlpha ? 32 : 24);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

std::optional<Bytes> EncodePng(const AlphaBitmap& picture) {
  const Bitmap32& bitmap = picture.bitmap;
  if (bitmap.width <= 0 || bitmap.height <= 0 ||
      bitmap.pixels.size() != static_cast<size_t>(bitmap.width) * bitmap.height)
    return std::nullopt;
  try {
    PngImage image;
    image->width = static_cast<png_uint_32>(bitmap.width);
    image->height = static_cast<png_uint_32>(bitmap.height);
    image->format = picture.hasAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    const size_t channels = picture.hasAlpha ? 4 : 3;
    Bytes rows;
    rows.reserve(bitmap.pixels.size() * channels);
    for (uint32_t p : bitmap.pixels) {
      rows.push_back(static_cast<uint8_t>(p));
      rows.push_back(static_cast<uint8_t>(p >> 8));
      rows.push_back(static_cast<uint8_t>(p >> 16));
      if (channels == 4) rows.push_back(static_cast<uint8_t>(p >> 24));
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(*image.get(), size, 0, rows.data(), 0, nullptr))
      return std::nullopt;
    Bytes out(size);
    if (!png_image_write_to_memory(image.get(), out.data(), &size, 0, rows.data(), 0, nullptr))
      return std::nullopt;
    out.resize(size);
    return out;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace qv
