#include "snapshot/slot_stream.h"

#include "codecs/bmp.h"
#include "util/io_counts.h"
#include "util/le_io.h"

namespace qv {

uint32_t CheckValue(uint16_t recordCount, bool hasBitmap, bool hasMetafile) {
  int64_t value = 2000 + 17 * static_cast<int64_t>(recordCount) + (hasBitmap ? 16 : -8) +
                  (hasMetafile ? 14 : -7);
  return static_cast<uint32_t>(value);
}

std::optional<SlotHeader> ReadSlotHeader(ByteView stream) {
  ByteReader r(stream);
  SlotHeader h;
  if (!r.U32(h.checkValue) || !r.U32(h.versionBits) || !r.U16(h.recordCount) ||
      !r.U8(h.hasBitmap) || !r.U8(h.hasMetafile))
    return std::nullopt;
  return h;
}

void WriteSlotHeader(uint8_t* at, const SlotHeader& header) {
  StoreU32(at, header.checkValue);
  StoreU32(at + 4, header.versionBits);
  StoreU16(at + 8, header.recordCount);
  at[10] = header.hasBitmap;
  at[11] = header.hasMetafile;
}

std::optional<SlotStreamView> ParseSlotStream(ByteView stream) {
  GlobalIoCounts().streamParses.fetch_add(1, std::memory_order_relaxed);
  auto header = ReadSlotHeader(stream);
  if (!header) return std::nullopt;
  SlotStreamView view;
  view.header = *header;
  ByteReader r(stream);
  r.Skip(kSlotHeaderSize);
  view.records.reserve(header->recordCount);
  for (uint16_t i = 0; i < header->recordCount; ++i) {
    FormatRecord rec;
    uint32_t size;
    if (!r.U32(rec.id) || !r.U32(size) || !r.Take(size, rec.data)) return view;
    view.records.push_back(rec);
  }
  if (header->hasBitmap) {
    auto bmp = ParseBmpImage(r.Rest());
    if (!bmp) return view;
    r.Take(bmp->totalLength, view.bitmap);
  }
  if (header->hasMetafile) {
    view.metafile = r.Rest();
    if (view.metafile.empty()) return view;
  }
  view.complete = true;
  return view;
}

bool ValidateSlotData(ByteView stream) {
  if (stream.size() < kMinimumSlotFileSize) return false;
  auto header = ReadSlotHeader(stream);
  if (!header || header->versionBits != kSlotDataVersionBits) return false;
  if (header->checkValue !=
      CheckValue(header->recordCount, header->hasBitmap != 0, header->hasMetafile != 0))
    return false;
  auto view = ParseSlotStream(stream);
  return view && view->complete;
}

SlotStreamWriter::SlotStreamWriter(Bytes& out) : out_(out), start_(out.size()) {
  out_.resize(start_ + kSlotHeaderSize, 0);
}

uint8_t* SlotStreamWriter::AddRecord(uint32_t id, size_t size) {
  size_t at = out_.size();
  out_.resize(at + 8 + size);
  StoreU32(&out_[at], id);
  StoreU32(&out_[at + 4], static_cast<uint32_t>(size));
  ++count_;
  return out_.data() + at + 8;
}

void SlotStreamWriter::AddRecord(uint32_t id, ByteView data) {
  PutU32(out_, id);
  PutU32(out_, static_cast<uint32_t>(data.size()));
  out_.insert(out_.end(), data.begin(), data.end());
  ++count_;
}

void SlotStreamWriter::Finish(bool hasBitmap, bool hasMetafile) {
  SlotHeader h;
  h.recordCount = count_;
  h.hasBitmap = hasBitmap ? 1 : 0;
  h.hasMetafile = hasMetafile ? 1 : 0;
  h.checkValue = CheckValue(count_, hasBitmap, hasMetafile);
  WriteSlotHeader(&out_[start_], h);
}

}  // namespace qv
