#include "snapshot/clip_rec.h"

#include <system_error>

#include "snapshot/clip_context.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/unique_name.h"
#include "util/file_io.h"

namespace qv {

void TClipRec::ClearSnapshot() {
  Kind = kKindEmpty;
  Size = 0;
  LineCount = WordCount = CharCount = 0;
  OnDisk = false;
  FileName.clear();
  Preview.clear();
  RichFormat = 0;
  HasText = HasRichText = HasBitmap = HasMetafile = HasFiles = HasSound = false;
}

void TClipRec::FreeSnapshotData(bool deleteFile) {
  if (!OnDisk) {
    Data.reset();
  } else if (deleteFile && !FileName.empty()) {
    RemoveFile(FileName);
  }
  if (HasText || HasRichText || HasFiles) TextView.reset();
  if (HasBitmap || HasMetafile) {
    Thumbnail.reset();
    PictureView.reset();
  }
  HasBitmap = HasMetafile = false;
}

bool TClipRec::SetSnapshotData(Bytes stream, ClipContext& ctx) {
  Size = static_cast<uint32_t>(stream.size());
  bool written = true;
  if (ctx.BelongsOnDisk(Size)) {
    auto path = MakeUniqueFileName(ctx.workFolder, "dat", ctx.system);
    if (WriteWholeFile(path, stream)) {
      OnDisk = true;
      FileName = path;
      Data.reset();
    } else {
      // The disk refused it: keep the copy in memory rather than lose it.
      RemoveFile(path);
      written = false;
    }
  }
  if (!OnDisk) {
    Data = std::move(stream);
    FileName.clear();
  }
  ctx.CurrentFormats = EnumerateClipboardFormats(ctx.clipboard);
  return written;
}

Bytes TClipRec::GetSnapshotData() const {
  if (OnDisk) {
    auto bytes = ReadWholeFile(FileName);
    return bytes ? std::move(*bytes) : Bytes{};
  }
  return Data ? *Data : Bytes{};
}

SnapshotBytes TClipRec::ReadSnapshot() const {
  if (OnDisk) return SnapshotBytes::Own(GetSnapshotData());
  return Data ? SnapshotBytes::Borrow(*Data) : SnapshotBytes();
}

void CopySnapshot(TClipRec& dest, const TClipRec& source) {
  dest.ClearSnapshot();
  dest.Data.reset();
  dest.TextView.reset();
  dest.Thumbnail.reset();
  dest.PictureView.reset();
  dest.Kind = source.Kind;
  dest.HasText = source.HasText;
  dest.HasRichText = source.HasRichText;
  dest.HasBitmap = source.HasBitmap;
  dest.HasMetafile = source.HasMetafile;
  dest.HasFiles = source.HasFiles;
  dest.HasSound = source.HasSound;
  dest.OnDisk = source.OnDisk;
  if (source.OnDisk)
    dest.FileName = source.FileName;
  else if (source.Data)
    dest.Data = *source.Data;
  if (source.HasTextFlag()) {
    dest.LineCount = source.LineCount;
    dest.WordCount = source.WordCount;
    dest.CharCount = source.CharCount;
    dest.LineCountText = source.LineCountText;
    dest.WordCountText = source.WordCountText;
    dest.CharCountText = source.CharCountText;
    dest.RichFormat = source.RichFormat;
  }
  if (source.HasTextFlag() || source.HasFiles) {
    dest.TextView = source.TextView;
    dest.Preview = source.Preview;
  }
  if (source.HasPictureFlag()) {
    dest.Thumbnail = source.Thumbnail;
    dest.PictureView = source.PictureView;
    dest.PictWidth = source.PictWidth;
    dest.PictHeight = source.PictHeight;
  }
  dest.Size = source.Size;
  dest.SizeText = source.SizeText;
}

bool DuplicateSnapshot(TClipRec& dest, const TClipRec& source, ClipContext& ctx) {
  CopySnapshot(dest, source);
  if (!source.OnDisk) return true;
  auto path = MakeUniqueFileName(ctx.workFolder, "dat", ctx.system);
  std::error_code ec;
  if (std::filesystem::copy_file(source.FileName, path, std::filesystem::copy_options::none, ec)) {
    dest.FileName = path;
    return true;
  }
  // No second file: hold the copy in memory so the two records stay independent.
  RemoveFile(path);
  dest.OnDisk = false;
  dest.FileName.clear();
  dest.Data = source.GetSnapshotData();
  return false;
}

}  // namespace qv
