#include "snapshot/clip_rec.h"

#include <system_error>

#include "snapshot/clip_context.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/unique_name.h"
#include "util/file_io.h"

namespace qv {

void TClipRec::ClearSnapshot() {
  ContentStamp = NextSerial();
  Attributes() = DerivedAttributes{};
  OnDisk = false;
  FileName.clear();
}

void TClipRec::FreeSnapshotData(bool deleteFile) {
  ContentStamp = NextSerial();
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

bool TClipRec::SetSnapshotData(Bytes stream, std::vector<uint32_t> formats, ClipContext& ctx) {
  ContentStamp = NextSerial();
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
  ctx.CurrentFormats = std::move(formats);
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
  dest.Attributes() = source.Attributes();
  dest.OnDisk = source.OnDisk;
  if (source.OnDisk)
    dest.FileName = source.FileName;
  else if (source.Data)
    dest.Data = *source.Data;
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
