// Thumbnail and picture view of a snapshot: from its bitmap when it has one,
// else from its metafile.
#include "snapshot/clipboard_io.h"
#include "codecs/bmp.h"
#include "platform/metafile_renderer.h"
#include "attributes/previews.h"
#include "attributes/thumbnail.h"
#include "snapshot/snapshot_view.h"

namespace qv {
namespace {

constexpr int kThumbnailWidth = 75;
constexpr int kThumbnailHeight = 56;
// A transparent picture is shown over the slot's own colour.
constexpr uint32_t kSlotBackground = 0xFFFFFF;

// A metafile that fits is drawn at its own size, a larger one stretched.
std::optional<Bitmap32> FitMetafile(MetafileRenderer& renderer, ByteView emf,
                                    const Bitmap32& natural, int maxWidth, int maxHeight) {
  FittedSize fit = FitPicture(natural.width, natural.height, maxWidth, maxHeight);
  if (!fit.scaled) return natural;
  return renderer.RenderStretched(emf, fit.width, fit.height);
}

}  // namespace

void MakePictureViews(TClipRec& rec, MetafileRenderer& renderer, const PreviewSettings& settings) {
  MakePictureViews(rec, SnapshotView(rec).Parsed(), renderer, settings);
}

void MakePictureViews(TClipRec& rec, const SlotStreamView& view, MetafileRenderer& renderer,
                      const PreviewSettings& settings) {
  const int viewWidth = 4 * settings.pictureSize;
  const int viewHeight = 3 * settings.pictureSize;
  SnapshotPictures pictures = ReadSnapshotPictures(view);
  if (rec.HasBitmap && pictures.bitmap) {
    if (auto decoded = DecodeBmpWithAlpha(*pictures.bitmap)) {
      const Bitmap32 bitmap =
          decoded->hasAlpha ? FlattenOver(*decoded, kSlotBackground) : std::move(decoded->bitmap);
      rec.Thumbnail = MakeThumbnail(bitmap, kThumbnailWidth, kThumbnailHeight);
      rec.PictureView = MakeThumbnail(bitmap, viewWidth, viewHeight);
      return;
    }
  }
  if (!pictures.metafile) return;
  auto natural = renderer.Render(*pictures.metafile);
  if (!natural) return;
  rec.Thumbnail =
      FitMetafile(renderer, *pictures.metafile, *natural, kThumbnailWidth, kThumbnailHeight);
  rec.PictureView = FitMetafile(renderer, *pictures.metafile, *natural, viewWidth, viewHeight);
}

}  // namespace qv
