#include "attributes/classify.h"

#include <algorithm>
#include <string>

#include "attributes/attribute_context.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/format_names.h"
#include "codecs/bmp.h"
#include "codecs/emf.h"
#include "platform/clipboard.h"
#include "platform/metafile_renderer.h"
#include "snapshot/slot_stream.h"
#include "snapshot/snapshot_view.h"
#include "rtf/rich_text.h"
#include "attributes/display_numbers.h"
#include "attributes/previews.h"

namespace qv {
namespace {

bool NameIs(const std::string& name, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

// Width and height of the picture the stream holds; the bitmap wins over the metafile.
void SetPictureSize(TClipRec& rec, const SnapshotPictures& pictures, int pixelsPerInch) {
  auto clamp16 = [](int64_t v) {
    return static_cast<uint16_t>(std::clamp<int64_t>(v, 0, UINT16_MAX));
  };
  if (rec.HasBitmap && pictures.bitmap) {
    if (auto bmp = ParseBmpImage(*pictures.bitmap)) {
      rec.PictWidth = clamp16(bmp->width);
      rec.PictHeight = clamp16(bmp->height < 0 ? -static_cast<int64_t>(bmp->height) : bmp->height);
      return;
    }
  }
  if (pictures.metafile) {
    if (auto emf = ParseEmfHeader(*pictures.metafile)) {
      PixelSize size = EmfPixelSize(*emf, pixelsPerInch);
      rec.PictWidth = clamp16(size.width);
      rec.PictHeight = clamp16(size.height);
      return;
    }
  }
  rec.PictWidth = rec.PictHeight = 0;
}

bool SameBytes(ByteView a, ByteView b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

// Two pictures are equal when their sizes and, as 32-bit colour, every pixel
// agree. The same image bytes are the same pixels, so only differing bytes
// need decoding; pictures that cannot be decoded are equal only byte for byte.
bool BitmapsEqual(ByteView a, ByteView b) {
  if (SameBytes(a, b)) return true;
  auto da = DecodeBmp(a);
  auto db = DecodeBmp(b);
  return da && db && *da == *db;
}

bool MetafilesEqual(ByteView a, ByteView b, MetafileRenderer& renderer) {
  if (SameBytes(a, b)) return true;
  auto ra = renderer.Render(a);
  auto rb = renderer.Render(b);
  return ra && rb && *ra == *rb;
}

std::vector<std::string> SortedFileList(const SlotStreamView& view) {
  auto names = ReadFileList(view);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

void ClassifySnapshot(TClipArr& slots, size_t index, AttributeContext& ctx) {
  if (index >= slots.size()) return;
  TClipRec& rec = slots[index];
  for (uint32_t id : ctx.currentFormats) {
    std::string name = ctx.formatName(id);
    if (NameIs(name, {"CF_TEXT", "CF_OEMTEXT", "CF_UNICODETEXT", "CF_DSPTEXT"})) {
      rec.HasText = true;
    } else if (!rec.HasRichText && name.find("Rich Text Format") != std::string::npos) {
      rec.HasRichText = true;
      rec.RichFormat = id;
    } else if (NameIs(name, {"CF_BITMAP", "CF_DSPBITMAP"})) {
      rec.HasBitmap = true;
    } else if (NameIs(name, {"CF_METAFILEPICT", "CF_ENHMETAFILE", "CF_DSPMETAFILEPICT",
                             "CF_DSPENHMETAFILE"})) {
      rec.HasMetafile = true;
    } else if (name == "CF_HDROP") {
      rec.HasFiles = true;
    } else if (NameIs(name, {"CF_WAVE", "CF_RIFF"})) {
      rec.HasSound = true;
    }
  }
}

uint8_t KindFromFlags(const TClipRec& rec) {
  bool text = rec.HasTextFlag();
  bool picture = rec.HasPictureFlag();
  if (text && picture) return kKindTextAndPicture;
  if (text) return kKindText;
  if (picture) return kKindPicture;
  return kKindOther;
}

void MakeClipRec(TClipArr& slots, size_t index, AttributeContext& ctx) {
  if (index >= slots.size()) return;
  ClassifySnapshot(slots, index, ctx);
  TClipRec& rec = slots[index];
  rec.Kind = KindFromFlags(rec);
  // One read (of the data file, for a slot on disk) and one parse serve every
  // attribute below.
  const SnapshotView snapshot(rec);
  const SlotStreamView& view = snapshot.Parsed();
  if (rec.HasTextFlag()) {
    MakeTextView(rec, view, ctx.previews);
    FormatCount(rec);
  }
  if (rec.HasPictureFlag()) {
    SetPictureSize(rec, ReadSnapshotPictures(view), ctx.pixelsPerInch);
    MakePictureViews(rec, view, ctx.renderer, ctx.previews);
  }
  if (rec.HasFiles) {
    rec.Kind = kKindFiles;
    GetFiles(rec, view, ctx.previews);
  }
  rec.SizeText = FormatSizeText(rec.Size);
}

bool SlotsIdentical(const TClipArr& slots, size_t a, size_t b, AttributeContext& ctx) {
  if (a >= slots.size() || b >= slots.size()) return false;
  const TClipRec& ra = slots[a];
  const TClipRec& rb = slots[b];
  if (ra.Kind != rb.Kind || ra.Kind == kKindEmpty) return false;
  if (ra.Flags() != rb.Flags()) return false;
  if (ra.HasTextFlag()) {
    if (ra.LineCount != rb.LineCount || ra.WordCount != rb.WordCount ||
        ra.CharCount != rb.CharCount || !(ra.Preview == rb.Preview))
      return false;
  }
  if (ra.HasPictureFlag() && (ra.PictWidth != rb.PictWidth || ra.PictHeight != rb.PictHeight))
    return false;
  // The cheap attributes agree; only now read the streams.
  const bool needStreams = ra.HasTextFlag() || ra.HasPictureFlag() || ra.HasFiles;
  if (!needStreams) return true;
  const SnapshotView snapshotA(ra);
  const SnapshotView snapshotB(rb);
  const SlotStreamView& sa = snapshotA.Parsed();
  const SlotStreamView& sb = snapshotB.Parsed();
  if (ra.HasText && ReadFormatText(sa, CF_TEXT) != ReadFormatText(sb, CF_TEXT)) return false;
  // Rich text counts as equal when the text it shows is equal, whatever the markup.
  if (ra.HasRichText && RtfToPlainText(ReadFormatText(sa, ra.RichFormat)) !=
                            RtfToPlainText(ReadFormatText(sb, rb.RichFormat)))
    return false;
  if (ra.HasPictureFlag()) {
    SnapshotPictures pa = ReadSnapshotPictures(sa);
    SnapshotPictures pb = ReadSnapshotPictures(sb);
    if (ra.HasBitmap) {
      if (pa.bitmap.has_value() != pb.bitmap.has_value()) return false;
      if (pa.bitmap && !BitmapsEqual(*pa.bitmap, *pb.bitmap)) return false;
    } else {
      if (pa.metafile.has_value() != pb.metafile.has_value()) return false;
      if (pa.metafile && !MetafilesEqual(*pa.metafile, *pb.metafile, ctx.renderer)) return false;
    }
  }
  if (ra.HasFiles && SortedFileList(sa) != SortedFileList(sb)) return false;
  return true;
}

}  // namespace qv
