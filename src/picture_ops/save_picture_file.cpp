#include "picture_ops/save_picture_file.h"

#include "platform/metafile_renderer.h"

#include <new>

#include "codecs/bmp.h"
#include "codecs/emf.h"
#include "codecs/gif_writer.h"
#include "codecs/jpeg_writer.h"
#include "codecs/png.h"
#include "codecs/wmf.h"
#include "picture_ops/transform_picture.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/format_names.h"
#include "snapshot/slot_stream.h"
#include "util/file_io.h"

namespace qv {
namespace {

// The picture as BMP file bytes: the stored bitmap part, else the metafile drawn.
std::optional<Bytes> BitmapPart(const SnapshotPictures& parts, MetafileRenderer& renderer) {
  if (parts.bitmap) {
    auto layout = ParseBmpImage(*parts.bitmap);
    if (!layout) return std::nullopt;
    return Bytes(parts.bitmap->begin(),
                 parts.bitmap->begin() + static_cast<ptrdiff_t>(layout->totalLength));
  }
  if (parts.metafile) return MetafileToBitmap(renderer, *parts.metafile);
  return std::nullopt;
}

// The first stored PNG file that decodes, without the bytes its clipboard
// block held after the file's end.
std::optional<Bytes> StoredPng(ByteView stream, const PictureFormatNames& names) {
  if (!names) return std::nullopt;
  auto view = ParseSlotStream(stream);
  if (!view) return std::nullopt;
  for (const FormatRecord& rec : view->records) {
    if (!IsPngFormatName(names(rec.id))) continue;
    auto length = PngFileLength(rec.data);
    if (!length) continue;
    const ByteView file = rec.data.first(*length);
    if (DecodePng(file)) return Bytes(file.begin(), file.end());
  }
  return std::nullopt;
}

EncodedPicture Encode(ByteView stream, PictWriter writer, MetafileRenderer& renderer,
                      const PictureFormatNames& names) {
  EncodedPicture out;
  if (writer == PictWriter::Png) {
    if (auto png = StoredPng(stream, names)) {
      out = {SaveOutcome::Saved, std::move(*png)};
      return out;
    }
  }
  SnapshotPictures parts = ReadSnapshotPictures(stream);
  if (writer == PictWriter::Emf || writer == PictWriter::Wmf) {
    if (!parts.metafile) return out;
    out.outcome = SaveOutcome::Unreadable;
    if (!ParseEmfHeader(*parts.metafile)) return out;
    if (writer == PictWriter::Emf) {
      out.bytes.assign(parts.metafile->begin(), parts.metafile->end());
    } else {
      // The system's own conversion gives drawing records every reader
      // understands; without it the EMF travels inside the WMF.
      std::optional<Bytes> wmf;
      if (auto records = renderer.ToWindowsMetafile(*parts.metafile))
        wmf = PlaceableWmf(*parts.metafile, *records);
      if (!wmf) wmf = PlaceableWmfFromEmf(*parts.metafile);
      if (!wmf) return out;
      out.bytes = std::move(*wmf);
    }
    out.outcome = SaveOutcome::Saved;
    return out;
  }
  if (!parts.bitmap && !parts.metafile) return out;
  out.outcome = SaveOutcome::Unreadable;
  auto bmp = BitmapPart(parts, renderer);
  if (!bmp) return out;
  if (writer == PictWriter::Bmp) {
    out.bytes = std::move(*bmp);
  } else if (writer == PictWriter::Png) {
    auto pixels = DecodeBmpWithAlpha(*bmp);
    if (!pixels) return out;
    bmp.reset();
    auto encoded = EncodePng(*pixels);
    if (!encoded) return out;
    out.bytes = std::move(*encoded);
  } else {
    auto pixels = DecodeBmp(*bmp);
    if (!pixels) return out;
    bmp.reset();
    auto encoded =
        writer == PictWriter::Jpeg ? EncodeJpeg(*pixels, kJpegQuality, true) : EncodeGif(*pixels);
    if (!encoded) return out;
    out.bytes = std::move(*encoded);
  }
  out.outcome = SaveOutcome::Saved;
  return out;
}

}  // namespace

EncodedPicture EncodeSnapshotPicture(ByteView stream, PictWriter writer, MetafileRenderer& renderer,
                                     const PictureFormatNames& names) {
  try {
    return Encode(stream, writer, renderer, names);
  } catch (const std::bad_alloc&) {
    return {SaveOutcome::TooLarge, {}};
  }
}

SaveOutcome SavePictureFile(ByteView stream, PictWriter writer, const std::filesystem::path& target,
                            MetafileRenderer& renderer, const PictureFormatNames& names) {
  EncodedPicture encoded = EncodeSnapshotPicture(stream, writer, renderer, names);
  if (encoded.outcome != SaveOutcome::Saved) return encoded.outcome;
  return ReplaceFileAtomically(target, encoded.bytes) ? SaveOutcome::Saved
                                                      : SaveOutcome::WriteFailed;
}

}  // namespace qv
