#pragma once
// Which of the slot view's eight display kinds a snapshot gets, which of its
// values go with it, and which content-dependent menu items a kind offers.
#include <cstdint>
#include <optional>

namespace qv {

enum class DisplayKind : uint8_t {
  kText = 1,         // preview with line, word and character counts
  kOnlyText = 2,     // preview alone
  kPicture = 3,      // thumbnail with width and height
  kTextPicture = 4,  // preview and thumbnail
  kFiles = 5,        // first file names
  kBinary = 6,       // "<BINARY DATA>" and the size in memory
  kEmptySlot = 7,
  kEmptyClipboard = 8,
};

inline constexpr int kDisplayKindCount = 8;

// Kinds 7 and 8 show a placeholder, not a slot's content.
inline bool ShowsContent(DisplayKind kind) {
  return kind < DisplayKind::kEmptySlot;
}

// The snapshot values a slot view is handed. The bits ascend in the order the
// setters are called, after the display kind has been set.
enum SlotValue : uint32_t {
  kValuePreview = 1u << 0,
  kValueLineCount = 1u << 1,
  kValueWordCount = 1u << 2,
  kValueCharCount = 1u << 3,
  kValueThumbnail = 1u << 4,
  kValueRichText = 1u << 5,
  kValuePictWidth = 1u << 6,
  kValuePictHeight = 1u << 7,
  kValueBitmap = 1u << 8,
  kValueMetafile = 1u << 9,
  kValueSizeText = 1u << 10,
  kValueSound = 1u << 11,
};

struct DisplayChoice {
  DisplayKind kind = DisplayKind::kEmptySlot;
  uint32_t values = 0;  // SlotValue bits
  bool operator==(const DisplayChoice&) const = default;
};

// snapshotKind is TClipRec::Kind; isLastIndex tells the clipboard snapshot
// (always the list's last element) from a saved slot. textview: 1 with
// counts, 2 text only; textpictview: 1 text and picture, 2 with counts, 3
// text only. nullopt where an option value is none of these, or the Kind is
// unknown: the slot then keeps what it showed.
std::optional<DisplayChoice> ChooseDisplayKind(uint8_t snapshotKind, bool isLastIndex,
                                               uint8_t textview, uint8_t textpictview);

// The content-dependent items of the slot context menus. The clipboard
// slot's menu has the first four, a saved slot's menu the last three.
struct SlotMenuItems {
  bool textConversion = false;
  bool imageTransformation = false;
  bool saveAsText = false;
  bool saveAsImage = false;
  bool addTextToClipboard = false;
  bool operator==(const SlotMenuItems&) const = default;
};

// Kinds 7 and 8 have no menu; they report every item hidden.
SlotMenuItems MenuItemsFor(DisplayKind kind);

}  // namespace qv
