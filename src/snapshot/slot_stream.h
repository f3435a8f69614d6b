#pragma once
// The slot data stream: a 12-byte header, one record per stored clipboard
// format, then an optional BMP file image and an optional EMF image.
#include <cstdint>
#include <optional>
#include <vector>

#include "util/bytes.h"

namespace qv {

inline constexpr size_t kSlotHeaderSize = 12;
inline constexpr uint32_t kSlotDataVersionBits = 0x40000000;  // IEEE single 2.0
inline constexpr size_t kMinimumSlotFileSize = 15;

struct SlotHeader {
  uint32_t checkValue = 0;
  uint32_t versionBits = kSlotDataVersionBits;
  uint16_t recordCount = 0;
  uint8_t hasBitmap = 0;
  uint8_t hasMetafile = 0;
};

uint32_t CheckValue(uint16_t recordCount, bool hasBitmap, bool hasMetafile);

std::optional<SlotHeader> ReadSlotHeader(ByteView stream);
void WriteSlotHeader(uint8_t* at, const SlotHeader& header);

struct FormatRecord {
  uint32_t id = 0;
  ByteView data;
};

// What a stream holds, found without copying. Reading stops where the data
// runs out; `complete` tells whether every part the header announces was there.
struct SlotStreamView {
  SlotHeader header;
  std::vector<FormatRecord> records;
  ByteView bitmap;    // the BMP file image, empty when absent
  ByteView metafile;  // the EMF bits, empty when absent
  bool complete = false;
};
// nullopt only when there is no whole header.
std::optional<SlotStreamView> ParseSlotStream(ByteView stream);

// Header checks (length, version, check value) plus: every record and the
// pictures the header announces lie inside the stream.
bool ValidateSlotData(ByteView stream);

// Builds a stream in place: header placeholder, records, pictures, then Finish
// writes the real header.
class SlotStreamWriter {
 public:
  explicit SlotStreamWriter(Bytes& out);
  // Reserves room for a record of `size` bytes and returns where its data goes.
  uint8_t* AddRecord(uint32_t id, size_t size);
  void AddRecord(uint32_t id, ByteView data);
  void Finish(bool hasBitmap, bool hasMetafile);

 private:
  Bytes& out_;
  size_t start_;
  uint16_t count_ = 0;
};

}  // namespace qv
