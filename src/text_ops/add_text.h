#pragma once
// Adding a slot's text to the clipboard text, with the separator of the
// option `separator`.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "snapshot/clip_rec.h"
#include "text_ops/text_join.h"
#include "text_ops/text_output.h"
#include "util/bytes.h"

namespace qv {

// The settings dialog's "Text delimiter" list; the option is an index into it.
inline constexpr std::array<std::string_view, 13> kTextSeparators = {
    "(None)", "1 space", "2 space",     "4 space",     "8 space",     "1 tab",      "2 tab",
    "3 tab",  "4 tab",   "1 paragraph", "2 paragraph", "3 paragraph", "4 paragraph"};

// What a separator value puts between the texts; outside 0 to 12, nothing.
JoinSeparator SeparatorFor(int32_t value);

// Slot 0's text with the added slot's text joined on. When either holds rich
// text the result is a document (under settings.richFormat; plain text takes
// the text font) followed by its plain text, else plain text alone. nullopt
// when Slot 0 holds no text: the command then copies the added slot to the
// clipboard as a whole instead.
std::optional<Bytes> AppendText(const TClipRec& slot0, const TClipRec& added, int32_t separator,
                                const TextOpsSettings& settings);

}  // namespace qv
