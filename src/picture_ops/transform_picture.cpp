#include "picture_ops/transform_picture.h"

#include <new>

#include "codecs/bmp.h"
#include "platform/metafile_renderer.h"
#include "snapshot/clipboard_io.h"

namespace qv {

std::optional<Bytes> MetafileToBitmap(MetafileRenderer& renderer, ByteView emfBits) {
  auto drawn = renderer.Render(emfBits);
  if (!drawn || drawn->width <= 0 || drawn->height <= 0) return std::nullopt;
  return EncodeBmp(*drawn, 24);
}

TransformedPicture TransformSnapshotPicture(ByteView stream, PictureTransform transform,
                                            MetafileRenderer& renderer) {
  TransformedPicture result;
  try {
    SnapshotPictures parts = ReadSnapshotPictures(stream);
    std::optional<Bytes> rendered;
    ByteView bitmap;
    if (parts.bitmap) {
      bitmap = *parts.bitmap;
    } else if (parts.metafile) {
      rendered = MetafileToBitmap(renderer, *parts.metafile);
      if (!rendered) return result;
      bitmap = *rendered;
    } else {
      return result;
    }
    PixelImageResult opened = ReadPixelImage(bitmap);
    if (!opened.image) {
      result.outcome = opened.error == PixelImageError::TooLarge ? TransformOutcome::TooLarge
                                                                 : TransformOutcome::Unreadable;
      return result;
    }
    rendered.reset();
    ApplyTransform(*opened.image, transform);
    result.bmp = WritePixelImage(*opened.image);
    result.outcome = TransformOutcome::Done;
  } catch (const std::bad_alloc&) {
    result = {TransformOutcome::TooLarge, {}};
  }
  return result;
}

TransformOutcome TransformPicture(Clipboard& clipboard, MetafileRenderer& renderer,
                                  ByteView slot0Stream, PictureTransform transform) {
  TransformedPicture made = TransformSnapshotPicture(slot0Stream, transform, renderer);
  if (made.outcome != TransformOutcome::Done) return made.outcome;
  try {
    PictureObject picture{PictureObject::Type::Bitmap, std::move(made.bmp)};
    Bytes copy(slot0Stream.begin(), slot0Stream.end());
    return WriteSnapshotWithBitmap(clipboard, std::move(copy), picture)
               ? TransformOutcome::Done
               : TransformOutcome::ClipboardBusy;
  } catch (const std::bad_alloc&) {
    return TransformOutcome::TooLarge;
  }
}

}  // namespace qv
