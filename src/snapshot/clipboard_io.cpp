#include "snapshot/clipboard_io.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <cctype>
#include <memory>
#include <new>

#include "codecs/png.h"
#include "snapshot/format_names.h"
#include "platform/clipboard.h"
#include "snapshot/slot_stream.h"
#include "util/codepage.h"
#include "util/le_io.h"

namespace qv {

ClipboardSession::ClipboardSession(Clipboard& clipboard, bool withOwner, int attempts)
    : clipboard_(clipboard), open_(clipboard.Open(withOwner)) {
  for (int attempt = 1; attempt < attempts && !open_; ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(kWriteOpenRetryMilliseconds));
    open_ = clipboard.Open(withOwner);
  }
}

ClipboardSession::~ClipboardSession() {
  if (open_) clipboard_.Close();
}

namespace {

// Puts the records back on an open, emptied clipboard; `skip` filters records.
// Stops at the first record that is cut short.
template <class Skip>
void PutRecords(Clipboard& clipboard, const SlotStreamView& view, Skip skip) {
  for (const FormatRecord& rec : view.records) {
    if (!skip(rec.id)) clipboard.SetFormat(rec.id, rec.data);
  }
}

std::string LowerAscii(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

const FormatRecord* FindTextRecord(const SlotStreamView& view, uint32_t id) {
  bool textPair = id == CF_TEXT || id == CF_UNICODETEXT;
  for (const FormatRecord& rec : view.records) {
    if (textPair ? (rec.id == CF_TEXT || rec.id == CF_UNICODETEXT) : rec.id == id) return &rec;
  }
  return nullptr;
}

CapturedSnapshot CaptureOrThrow(Clipboard& clipboard, const FormatsCheck& keep);

// The picture of the first PNG record that decodes, as a BMP file image.
// A PNG that cannot be decoded, or not in the memory there is, gives none.
std::optional<Bytes> PngRecordAsBitmap(Clipboard& clipboard, ByteView stream) {
  auto view = ParseSlotStream(stream);
  if (!view) return std::nullopt;
  for (const FormatRecord& rec : view->records) {
    if (!IsPngFormatName(GetFormatName(clipboard, rec.id))) continue;
    if (auto bmp = PngToBmp(rec.data)) return bmp;
  }
  return std::nullopt;
}

}  // namespace

std::vector<uint32_t> EnumerateOpenClipboard(Clipboard& clipboard) {
  std::vector<uint32_t> ids;
  for (uint32_t id = clipboard.EnumFormats(0); id != 0; id = clipboard.EnumFormats(id)) {
    // A misbehaving enumeration must not loop for ever.
    if (std::find(ids.begin(), ids.end(), id) != ids.end()) break;
    ids.push_back(id);
  }
  return ids;
}

std::vector<uint32_t> EnumerateClipboardFormats(Clipboard& clipboard) {
  ClipboardSession session(clipboard);
  if (!session.IsOpen()) return {};
  return EnumerateOpenClipboard(clipboard);
}

CapturedSnapshot CaptureSnapshot(Clipboard& clipboard, const FormatsCheck& keep) {
  // A clipboard too large for this process's memory is not captured; the
  // program goes on with the history it has.
  try {
    return CaptureOrThrow(clipboard, keep);
  } catch (const std::bad_alloc&) {
    return {};
  }
}

Bytes CaptureClipboard(Clipboard& clipboard) {
  return CaptureSnapshot(clipboard).stream;
}

namespace {

CapturedSnapshot CaptureOrThrow(Clipboard& clipboard, const FormatsCheck& keep) {
  Bytes out;
  std::vector<uint32_t> ids;
  bool wantBitmap = false, wantMetafile = false;
  {
    ClipboardSession session(clipboard);
    if (!session.IsOpen()) return {};
    ids = EnumerateOpenClipboard(clipboard);
    if (keep && !keep(ids)) return {};
    if (ids.empty()) return {};
    // Lock every block first so the stream is sized once and each format is
    // copied once, straight from its block.
    std::vector<std::pair<uint32_t, std::unique_ptr<ClipboardBlock>>> blocks;
    size_t total = kSlotHeaderSize;
    for (uint32_t id : ids) {
      wantBitmap |= IsBitmapFormat(id);
      wantMetafile |= IsMetafileFormat(id);
      if (IsBitmapFormat(id) || IsMetafileFormat(id) || IsSkippedFormat(id)) continue;
      if (blocks.size() == UINT16_MAX) continue;  // the header counts records in 16 bits
      auto block = clipboard.LockFormat(id);
      if (!block || block->View().empty()) continue;
      if (block->View().size() > UINT32_MAX) continue;
      total += 8 + block->View().size();
      blocks.emplace_back(id, std::move(block));
    }
    out.reserve(total);
    SlotStreamWriter writer(out);
    for (auto& [id, block] : blocks) writer.AddRecord(id, block->View());
    blocks.clear();  // unlock before closing
    writer.Finish(false, false);
  }
  // The picture loaders open the clipboard themselves. A picture that cannot be
  // built leaves no image and no flag behind.
  bool hasBitmap = wantBitmap && clipboard.AppendBitmapImage(out);
  if (!wantBitmap) {
    // A picture offered only as a PNG file is also stored as the bitmap part,
    // as if the clipboard had offered CF_BITMAP: it is then a picture slot
    // everywhere, and a restore gives programs both forms.
    if (auto bmp = PngRecordAsBitmap(clipboard, out)) {
      try {
        ids.push_back(CF_BITMAP);
        out.insert(out.end(), bmp->begin(), bmp->end());  // all or nothing
        hasBitmap = true;
      } catch (const std::bad_alloc&) {
        ids.pop_back();
      }
    }
  }
  bool hasMetafile = wantMetafile && clipboard.AppendEnhMetafile(out);
  SlotHeader header = *ReadSlotHeader(out);
  header.hasBitmap = hasBitmap ? 1 : 0;
  header.hasMetafile = hasMetafile ? 1 : 0;
  header.checkValue = CheckValue(header.recordCount, hasBitmap, hasMetafile);
  WriteSlotHeader(out.data(), header);
  return {std::move(out), std::move(ids)};
}

}  // namespace

bool RestoreToClipboard(Clipboard& clipboard, Bytes stream) {
  if (stream.empty()) return false;
  auto view = ParseSlotStream(stream);
  ClipboardSession session(clipboard, false, kWriteOpenAttempts);
  if (!session.IsOpen()) return false;
  clipboard.Empty();
  if (!view) return true;
  PutRecords(clipboard, *view, [](uint32_t) { return false; });
  if (!view->bitmap.empty()) clipboard.SetBitmapImage(view->bitmap);
  if (!view->metafile.empty()) clipboard.SetEnhMetafile(view->metafile);
  return true;
}

namespace {

// Parses the bytes and reads them with `read`; `none` when there is no header.
template <class Read>
auto ParsedThen(ByteView stream, Read read) -> decltype(read(SlotStreamView{})) {
  auto view = ParseSlotStream(stream);
  if (!view) return {};
  return read(*view);
}

}  // namespace

SnapshotPictures ReadSnapshotPictures(const SlotStreamView& view) {
  SnapshotPictures pictures;
  if (!view.bitmap.empty()) pictures.bitmap = view.bitmap;
  if (!view.metafile.empty()) pictures.metafile = view.metafile;
  return pictures;
}

SnapshotPictures ReadSnapshotPictures(ByteView stream) {
  return ParsedThen(stream, [](const SlotStreamView& v) { return ReadSnapshotPictures(v); });
}

std::string ReadFormatText(const SlotStreamView& view, uint32_t id) {
  const FormatRecord* rec = FindTextRecord(view, id);
  if (!rec) return {};
  if (rec->id == CF_UNICODETEXT) return Utf16ToAnsi(Utf16FromBytes(rec->data));
  return CharsFromBytes(rec->data);
}

std::string ReadFormatText(ByteView stream, uint32_t id) {
  return ParsedThen(stream, [&](const SlotStreamView& v) { return ReadFormatText(v, id); });
}

std::string ReadFormatTextUtf8(ByteView stream, uint32_t id, size_t maxUnits) {
  return ParsedThen(stream,
                    [&](const SlotStreamView& v) { return ReadFormatTextUtf8(v, id, maxUnits); });
}

std::string ReadFormatTextUtf8(const SlotStreamView& view, uint32_t id, size_t maxUnits) {
  auto prefix = [&](ByteView data, size_t unitSize) {
    return maxUnits < data.size() / unitSize ? data.first(maxUnits * unitSize) : data;
  };
  if (id == CF_TEXT || id == CF_UNICODETEXT) {
    for (const FormatRecord& rec : view.records) {
      if (rec.id == CF_UNICODETEXT) return Utf8FromUtf16Bytes(prefix(rec.data, 2));
    }
    for (const FormatRecord& rec : view.records) {
      if (rec.id == CF_TEXT) return AnsiToUtf8(CharsFromBytes(prefix(rec.data, 1)));
    }
    return {};
  }
  const FormatRecord* rec = FindTextRecord(view, id);
  return rec ? CharsFromBytes(prefix(rec->data, 1)) : std::string{};
}

std::vector<std::string> ReadFileList(ByteView stream) {
  return ParsedThen(stream, [](const SlotStreamView& v) { return ReadFileList(v); });
}

std::vector<std::string> ReadFileList(const SlotStreamView& view) {
  std::vector<std::string> names;
  auto rec = std::find_if(view.records.begin(), view.records.end(),
                          [](const FormatRecord& r) { return r.id == CF_HDROP; });
  if (rec == view.records.end()) return names;
  // DROPFILES: offset of the names, drop point, non-client flag, wide flag.
  ByteReader r(rec->data);
  uint32_t offset, wide;
  if (!r.U32(offset) || !r.Skip(12) || !r.U32(wide) || offset > rec->data.size()) return names;
  ByteView list = rec->data.subspan(offset);
  std::u16string text;  // names separated by NUL, cut at the first double NUL
  if (wide) {
    for (size_t i = 0; i + 1 < list.size(); i += 2) text.push_back(LoadU16(&list[i]));
  } else {
    text = AnsiToUtf16(std::string_view(reinterpret_cast<const char*>(list.data()), list.size()));
  }
  size_t end = text.find(std::u16string_view(u"\0\0", 2));
  if (end != std::u16string::npos) text.resize(end);
  size_t start = 0;
  while (start <= text.size()) {
    size_t nul = text.find(u'\0', start);
    if (nul == std::u16string::npos) nul = text.size();
    if (nul > start)
      names.push_back(Utf16ToUtf8(std::u16string_view(text).substr(start, nul - start)));
    start = nul + 1;
  }
  return names;
}

bool WriteSnapshotWithBitmap(Clipboard& clipboard, Bytes stream, const PictureObject& picture) {
  ClipboardSession session(clipboard, false, kWriteOpenAttempts);
  if (!session.IsOpen()) return false;
  clipboard.Empty();
  if (auto view = ParseSlotStream(stream)) {
    // A PNG record would show the old picture to programs that prefer PNG.
    PutRecords(clipboard, *view, [&](uint32_t id) {
      const std::string name = GetFormatName(clipboard, id);
      return LowerAscii(name) == "embed source" || IsPngFormatName(name);
    });
  }
  if (picture.type == PictureObject::Type::Bitmap)
    clipboard.SetBitmapImage(picture.bytes);
  else
    clipboard.SetEnhMetafile(picture.bytes);
  return true;
}

void PutTextOnClipboard(Clipboard& clipboard, std::u16string_view text) {
  ClipboardSession session(clipboard, true, kWriteOpenAttempts);
  if (!session.IsOpen()) return;
  clipboard.Empty();
  std::string ansi = Utf16ToAnsi(text);
  clipboard.SetFormat(CF_TEXT,
                      ByteView(reinterpret_cast<const uint8_t*>(ansi.c_str()), ansi.size() + 1));
  Bytes wide;
  wide.reserve(2 * text.size() + 2);
  for (char16_t c : text) PutU16(wide, c);
  PutU16(wide, 0);
  clipboard.SetFormat(CF_UNICODETEXT, wide);
}

bool ClipboardHasData(Clipboard& clipboard) {
  ClipboardSession session(clipboard);
  return session.IsOpen() && clipboard.EnumFormats(0) != 0;
}

void EmptyTheClipboard(Clipboard& clipboard) {
  ClipboardSession session(clipboard, false, kWriteOpenAttempts);
  if (session.IsOpen()) clipboard.Empty();
}

}  // namespace qv
