#include "store/stored_slot.h"

#include <system_error>

#include "attributes/attribute_context.h"
#include "attributes/previews.h"
#include "snapshot/clip_context.h"
#include "snapshot/snapshot_view.h"
#include "store/slot_attributes.h"
#include "util/file_io.h"

namespace qv {
namespace {

uint64_t FileSize(const std::filesystem::path& path) {
  std::error_code ec;
  uint64_t size = std::filesystem::file_size(path, ec);
  return ec ? UINT64_MAX : size;
}

}  // namespace

std::optional<TClipRec> LoadStoredSlot(const std::filesystem::path& dataPath,
                                       const std::filesystem::path& attributesPath,
                                       const ClipContext& clip, AttributeContext& attributes) {
  TClipRec rec;
  auto stored = ReadWholeFile(attributesPath, kSlotAttributesSize);
  if (!stored || !ReadSlotAttributes(*stored, rec) || rec.Kind == kKindEmpty) return std::nullopt;
  if (clip.BelongsOnDisk(rec.Size)) {
    if (FileSize(dataPath) != rec.Size) return std::nullopt;
    rec.OnDisk = true;
    rec.FileName = dataPath;
  } else {
    auto data = ReadWholeFile(dataPath, rec.Size);
    if (!data || data->size() != rec.Size) return std::nullopt;
    rec.Data = std::move(*data);
  }
  const bool needsViews = rec.HasPictureFlag() || rec.HasFiles;
  if (!needsViews && rec.OnDisk) return rec;
  // One read and one parse for the check and every view.
  const SnapshotView snapshot(rec);
  const SlotStreamView& view = snapshot.Parsed();
  if (!rec.OnDisk && !view.complete) return std::nullopt;
  if (rec.HasPictureFlag()) MakePictureViews(rec, view, attributes.renderer, attributes.previews);
  // The text view waits until the viewer first shows the slot (EnsureTextView):
  // most loaded slots are never viewed, and it is most of a load's work.
  if (rec.HasFiles) GetFiles(rec, view, attributes.previews);
  return rec;
}

}  // namespace qv
