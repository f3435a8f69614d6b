#pragma once
// A record's stream read once (one file read for a slot kept on disk) and
// parsed once: every reader of one derivation takes the parsed view.
#include "snapshot/clip_rec.h"
#include "snapshot/slot_stream.h"

namespace qv {

class SnapshotView {
 public:
  explicit SnapshotView(const TClipRec& rec) : SnapshotView(rec.ReadSnapshot()) {}
  explicit SnapshotView(ByteView stream) : SnapshotView(SnapshotBytes::Borrow(stream)) {}
  // The parsed parts point into the bytes held here.
  SnapshotView(const SnapshotView&) = delete;
  SnapshotView& operator=(const SnapshotView&) = delete;

  // Empty (no records, no pictures, not complete) when there is no whole header.
  const SlotStreamView& Parsed() const { return parsed_; }
  ByteView Bytes() const { return bytes_.view(); }

 private:
  explicit SnapshotView(SnapshotBytes bytes) : bytes_(std::move(bytes)) {
    if (auto view = ParseSlotStream(bytes_.view())) parsed_ = std::move(*view);
  }
  SnapshotBytes bytes_;
  SlotStreamView parsed_;
};

}  // namespace qv
