#pragma once
// Classifying a fresh snapshot, deriving its attributes, and telling whether
// two snapshots hold the same content.
#include <cstddef>
#include <cstdint>

#include "snapshot/clip_rec.h"

namespace qv {

struct AttributeContext;

// Sets (never clears) the six content flags from ctx.CurrentFormats.
void ClassifySnapshot(TClipArr& slots, size_t index, AttributeContext& ctx);
// The kind the flags give (1 to 4; files are decided separately).
uint8_t KindFromFlags(const TClipRec& rec);
// Derives every attribute of a slot whose stream was just set. Nothing happens
// when the index is past the end of the list.
void MakeClipRec(TClipArr& slots, size_t index, AttributeContext& ctx);
// True when slots a and b count as the same content.
bool SlotsIdentical(const TClipArr& slots, size_t a, size_t b, AttributeContext& ctx);

}  // namespace qv
