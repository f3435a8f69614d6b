#pragma once
// Transforming the picture of the clipboard (Slot 0) and putting the result
// back on the clipboard with the snapshot's other formats.
#include <optional>

#include "picture_ops/picture_transforms.h"
#include "util/bytes.h"

namespace qv {

class Clipboard;
class MetafileRenderer;

enum class TransformOutcome {
  Done,           // the clipboard holds the new picture and the kept formats
  NoPicture,      // the snapshot has neither a bitmap nor a usable metafile
  Unreadable,     // the bitmap is malformed or compressed
  TooLarge,       // the picture does not fit in memory; the clipboard is unchanged
  ClipboardBusy,  // the clipboard could not be opened; it is unchanged
};

// The metafile drawn at its own size at screen resolution, as a 24-bit BMP
// file image; nullopt when the renderer cannot draw it.
std::optional<Bytes> MetafileToBitmap(MetafileRenderer& renderer, ByteView emfBits);

// The transformed picture of a slot data stream as a BMP file image: its
// bitmap part when it has one, else its metafile rendered by MetafileToBitmap.
struct TransformedPicture {
  TransformOutcome outcome = TransformOutcome::NoPicture;
  Bytes bmp;  // set when outcome is Done
};
TransformedPicture TransformSnapshotPicture(ByteView stream, PictureTransform transform,
                                            MetafileRenderer& renderer);

// TransformSnapshotPicture of the Slot 0 stream, then WriteSnapshotWithBitmap:
// the clipboard gets every stored format except "embed source" and the new
// bitmap (no metafile). Nothing is written unless the whole picture was made.
TransformOutcome TransformPicture(Clipboard& clipboard, MetafileRenderer& renderer,
                                  ByteView slot0Stream, PictureTransform transform);

}  // namespace qv
