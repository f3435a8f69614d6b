#pragma once
// One clipboard snapshot, one slot: the slot data stream (in memory or in a
// data file), the content flags, and the attributes derived from them once.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "snapshot/derived_attributes.h"
#include "util/bytes.h"

namespace qv {

struct ClipContext;

// A slot's stream for reading: a view of the record's memory stream, or the
// bytes read from its data file. Empty when there is none.
class SnapshotBytes {
 public:
  SnapshotBytes() = default;
  static SnapshotBytes Borrow(ByteView stream) {
    SnapshotBytes s;
    s.borrowed_ = stream;
    s.isBorrowed_ = true;
    return s;
  }
  static SnapshotBytes Own(Bytes stream) {
    SnapshotBytes s;
    s.owned_ = std::move(stream);
    return s;
  }
  ByteView view() const { return isBorrowed_ ? borrowed_ : ByteView(owned_); }
  operator ByteView() const { return view(); }  // NOLINT: reads like the stream itself
  bool empty() const { return view().empty(); }

 private:
  Bytes owned_;
  ByteView borrowed_;
  bool isBorrowed_ = false;
};

class TClipRec : public DerivedAttributes {
 public:
  TClipRec() = default;
  TClipRec(TClipRec&&) noexcept = default;
  TClipRec& operator=(TClipRec&&) noexcept = default;
  // Records are copied only through CopySnapshot/DuplicateSnapshot, which know
  // about shared data files.
  TClipRec(const TClipRec&) = delete;
  TClipRec& operator=(const TClipRec&) = delete;

  // Tells this record from every other of the run, wherever the list moves
  // it: a command opened for a record finds it again, or finds it gone. Not
  // stored; CopySnapshot leaves it alone.
  uint64_t Serial = NextSerial();
  // Changes whenever the record's content does (a capture into it, a copy,
  // a release), so text derived from a content version can be kept by it.
  // Not stored.
  uint64_t ContentStamp = NextSerial();
  std::optional<Bytes> Data;  // the stream while it is kept in memory
  bool OnDisk = false;
  std::filesystem::path FileName;  // the data file while OnDisk

  DerivedAttributes& Attributes() { return *this; }
  const DerivedAttributes& Attributes() const { return *this; }

  // Resets the attributes of an empty record; releases nothing.
  void ClearSnapshot();
  // Releases the stream (deleting the data file when deleteFile) and the views.
  void FreeSnapshotData(bool deleteFile);
  // Takes over a captured stream; large ones go to a data file in the work
  // folder. The format ids the same capture enumerated become
  // ctx.CurrentFormats. False when the data file could not be written (the
  // stream then stays in memory).
  bool SetSnapshotData(Bytes stream, std::vector<uint32_t> formats, ClipContext& ctx);
  // A copy of the stream. Empty when the record holds none or its data file
  // has disappeared or cannot be read: such a slot reads as empty.
  Bytes GetSnapshotData() const;
  // The same without copying a stream held in memory. The record must outlive
  // the result and keep its stream meanwhile.
  SnapshotBytes ReadSnapshot() const;

 private:
  static uint64_t NextSerial() {
    static uint64_t last = 0;  // records are made on the user-interface thread only
    return ++last;
  }
};

using TClipArr = std::vector<TClipRec>;

// dest := source; an on-disk source passes its file name over (both name it).
void CopySnapshot(TClipRec& dest, const TClipRec& source);
// As CopySnapshot, but an on-disk source's file is copied to a new data file.
// False when that copy failed (dest then holds the data in memory instead).
bool DuplicateSnapshot(TClipRec& dest, const TClipRec& source, ClipContext& ctx);

}  // namespace qv
