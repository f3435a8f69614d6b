#include "platform/sim/sim_clipboard.h"

#include <algorithm>
#include <new>

#include "codecs/bmp.h"
#include "util/codepage.h"
#include "util/le_io.h"

namespace qv {
namespace {

constexpr size_t kBmpFileHeader = 14;

// A block over bytes the clipboard keeps, or over bytes synthesised for this lock.
class SimBlock : public ClipboardBlock {
 public:
  explicit SimBlock(ByteView stored) : view_(stored) {}
  explicit SimBlock(qv::Bytes synthesised) : owned_(std::move(synthesised)), view_(owned_) {}
  ByteView View() const override { return view_; }

 private:
  qv::Bytes owned_;
  ByteView view_;
};

bool Has(const std::vector<uint32_t>& ids, uint32_t id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

Bytes WithNul(const std::string& s) {
  Bytes b(s.begin(), s.end());
  b.push_back(0);
  return b;
}

Bytes Utf16WithNul(std::u16string_view s) {
  Bytes b;
  for (char16_t c : s) PutU16(b, c);
  PutU16(b, 0);
  return b;
}

// A packed DIB (what CF_DIB holds) as a BMP file image, or the reverse.
Bytes DibToFile(ByteView dib) {
  Bytes file;
  PutU16(file, 0x4D42);
  PutU32(file, static_cast<uint32_t>(dib.size() + kBmpFileHeader));
  PutU32(file, 0);
  PutU32(file, 0);  // offset: not used by our reader
  PutBytes(file, dib);
  return file;
}

}  // namespace

bool SimClipboard::Open(bool withOwner) {
  if (beforeOpen && !open_) beforeOpen();
  if (open_ || refuseAllOpens) return false;
  if (refuseOpens > 0) {
    --refuseOpens;
    return false;
  }
  open_ = true;
  emptiedInSession_ = false;
  lastOwner_ = withOwner;
  return true;
}

void SimClipboard::Close() {
  bool changed = open_ && emptiedInSession_;
  open_ = false;
  emptiedInSession_ = false;
  if (changed) Changed();
  if (afterClose) afterClose();
}

bool SimClipboard::Empty() {
  if (!open_) return false;
  entries_.clear();
  bitmapFile_.reset();
  metafile_.reset();
  emptiedInSession_ = true;
  return true;
}

void SimClipboard::Changed() {
  ++sequence_;
  if (onChange) onChange();
}

std::vector<uint32_t> SimClipboard::Formats() const {
  std::vector<uint32_t> ids;
  for (const Entry& e : entries_) ids.push_back(e.id);
  if (bitmapFile_ && !Has(ids, CF_BITMAP) && !Has(ids, CF_DIB) && !Has(ids, CF_DIBV5))
    ids.push_back(CF_BITMAP);
  if (metafile_ && !Has(ids, CF_ENHMETAFILE)) ids.push_back(CF_ENHMETAFILE);
  // The system's synthesised formats follow the ones the owner set.
  std::vector<uint32_t> out = ids;
  auto add = [&](uint32_t id) {
    if (!Has(out, id)) out.push_back(id);
  };
  if (Has(ids, CF_TEXT) || Has(ids, CF_UNICODETEXT) || Has(ids, CF_OEMTEXT)) {
    add(CF_LOCALE);
    add(CF_UNICODETEXT);
    add(CF_TEXT);
    add(CF_OEMTEXT);
  }
  if (Has(ids, CF_DIB) || Has(ids, CF_BITMAP) || Has(ids, CF_DIBV5)) {
    add(CF_BITMAP);
    add(CF_DIB);
    add(CF_DIBV5);
  }
  if (Has(ids, CF_ENHMETAFILE) || Has(ids, CF_METAFILEPICT)) {
    add(CF_ENHMETAFILE);
    add(CF_METAFILEPICT);
  }
  return out;
}

uint32_t SimClipboard::EnumFormats(uint32_t previous) {
  if (!open_) return 0;
  std::vector<uint32_t> ids = Formats();
  if (previous == 0) return ids.empty() ? 0 : ids.front();
  auto it = std::find(ids.begin(), ids.end(), previous);
  if (it == ids.end() || ++it == ids.end()) return 0;
  return *it;
}

std::optional<std::string> SimClipboard::RegisteredName(uint32_t id) {
  auto it = names_.find(id);
  if (it == names_.end()) return std::nullopt;
  return it->second.substr(0, 59);  // what a 60-character buffer holds
}

uint32_t SimClipboard::RegisterFormat(const std::string& name) {
  for (const auto& [id, n] : names_) {
    if (n == name) return id;
  }
  names_[nextRegistered_] = name;
  return nextRegistered_++;
}

std::optional<Bytes> SimClipboard::Data(uint32_t id) const {
  if (unrenderable.count(id)) return std::nullopt;
  for (const Entry& e : entries_) {
    if (e.id == id) return e.bytes;
  }
  std::vector<uint32_t> ids = Formats();
  if (!Has(ids, id)) return std::nullopt;
  auto entry = [&](uint32_t want) -> const Entry* {
    for (const Entry& e : entries_)
      if (e.id == want) return &e;
    return nullptr;
  };
  switch (id) {
    case CF_TEXT:
    case CF_OEMTEXT:
      if (auto* u = entry(CF_UNICODETEXT)) return WithNul(Utf16ToAnsi(Utf16FromBytes(u->bytes)));
      if (auto* t = entry(id == CF_TEXT ? CF_OEMTEXT : CF_TEXT)) return t->bytes;
      return std::nullopt;
    case CF_UNICODETEXT: {
      const Entry* t = entry(CF_TEXT);
      if (!t) t = entry(CF_OEMTEXT);
      if (!t) return std::nullopt;
      return Utf16WithNul(AnsiToUtf16(CharsFromBytes(t->bytes)));
    }
    case CF_LOCALE: {
      Bytes b;
      PutU32(b, 0x0409);
      return b;
    }
    case CF_DIB:
    case CF_DIBV5: {
      std::optional<Bitmap32> bmp = Bitmap();
      if (!bmp) {
        for (uint32_t source : {CF_DIB, CF_DIBV5}) {
          if (auto* e = entry(source)) bmp = DecodeBmp(DibToFile(e->bytes));
          if (bmp) break;
        }
      }
      if (!bmp) return std::nullopt;
      Bytes file = EncodeBmp(*bmp, 32);
      return Bytes(file.begin() + kBmpFileHeader, file.end());
    }
    default:
      return std::nullopt;  // GDI objects (CF_BITMAP, CF_PALETTE, CF_ENHMETAFILE) have no memory
                            // block
  }
}

std::unique_ptr<ClipboardBlock> SimClipboard::LockFormat(uint32_t id) {
  if (!open_) return nullptr;
  if (outOfMemory) throw std::bad_alloc();
  if (id == CF_BITMAP || id == CF_PALETTE || id == CF_ENHMETAFILE || id == CF_METAFILEPICT)
    return nullptr;
  if (unrenderable.count(id)) return nullptr;
  for (const Entry& e : entries_) {
    if (e.id == id)
      return e.bytes.empty() ? nullptr : std::make_unique<SimBlock>(ByteView(e.bytes));
  }
  auto data = Data(id);
  if (!data || data->empty()) return nullptr;
  return std::make_unique<SimBlock>(std::move(*data));
}

bool SimClipboard::SetFormat(uint32_t id, ByteView bytes) {
  if (!open_ || !emptiedInSession_) return false;
  entries_.erase(
      std::remove_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.id == id; }),
      entries_.end());
  entries_.push_back({id, Bytes(bytes.begin(), bytes.end())});
  return true;
}

bool SimClipboard::AppendBitmapImage(Bytes& out) {
  if (open_ || !Open()) return false;
  bool ok = false;
  if (!unrenderable.count(CF_BITMAP)) {
    if (bitmapFile_) {
      out.insert(out.end(), bitmapFile_->begin(), bitmapFile_->end());
      ok = true;
    } else if (auto dib = Data(CF_DIB)) {
      if (auto bmp = DecodeBmp(DibToFile(*dib))) {
        Bytes file = EncodeBmp(*bmp, 32);
        out.insert(out.end(), file.begin(), file.end());
        ok = true;
      }
    }
  }
  Close();
  return ok;
}

bool SimClipboard::AppendEnhMetafile(Bytes& out) {
  if (open_ || !Open()) return false;
  std::optional<Bytes> emf = metafile_;
  Close();
  if (!emf || unrenderable.count(CF_ENHMETAFILE)) return false;
  out.insert(out.end(), emf->begin(), emf->end());
  return true;
}

bool SimClipboard::SetBitmapImage(ByteView bmpFile) {
  if (!open_ || !emptiedInSession_) return false;
  auto layout = ParseBmpImage(bmpFile);
  if (!layout) return false;
  bitmapFile_ =
      Bytes(bmpFile.begin(), bmpFile.begin() + static_cast<std::ptrdiff_t>(layout->totalLength));
  return true;
}

bool SimClipboard::SetEnhMetafile(ByteView emfBits) {
  if (!open_ || !emptiedInSession_ || emfBits.empty()) return false;
  metafile_ = Bytes(emfBits.begin(), emfBits.end());
  return true;
}

void SimClipboard::SetByOther(const std::vector<Item>& items) {
  entries_.clear();
  bitmapFile_.reset();
  metafile_.reset();
  for (const Item& item : items) {
    if (item.id == CF_ENHMETAFILE)
      metafile_ = item.bytes;
    else
      entries_.push_back({item.id, item.bytes});
  }
  Changed();
}

void SimClipboard::SetBitmapByOther(const Bitmap32& bitmap, uint16_t bitCount) {
  entries_.clear();
  metafile_.reset();
  bitmapFile_ = EncodeBmp(bitmap, bitCount);
  Changed();
}

std::optional<Bitmap32> SimClipboard::Bitmap() const {
  if (!bitmapFile_) return std::nullopt;
  return DecodeBmp(*bitmapFile_);
}

void SimClipboard::ClearByOther() {
  entries_.clear();
  bitmapFile_.reset();
  metafile_.reset();
  Changed();
}

}  // namespace qv
