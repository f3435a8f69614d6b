#include "ui/display_kind.h"

#include "snapshot/clip_rec.h"

namespace qv {

namespace {

constexpr uint32_t kTextValues =
    kValuePreview | kValueLineCount | kValueWordCount | kValueCharCount | kValueRichText;
constexpr uint32_t kOnlyTextValues = kValuePreview | kValueRichText;

std::optional<DisplayChoice> TextChoice(uint8_t textOption) {
  if (textOption == 1) return DisplayChoice{DisplayKind::kText, kTextValues};
  if (textOption == 2) return DisplayChoice{DisplayKind::kOnlyText, kOnlyTextValues};
  return std::nullopt;
}

}  // namespace

std::optional<DisplayChoice> ChooseDisplayKind(uint8_t snapshotKind, bool isLastIndex,
                                               uint8_t textview, uint8_t textpictview) {
  switch (snapshotKind) {
    case kKindEmpty:
      return DisplayChoice{isLastIndex ? DisplayKind::kEmptyClipboard : DisplayKind::kEmptySlot, 0};
    case kKindText:
      return TextChoice(textview);
    case kKindPicture:
      return DisplayChoice{DisplayKind::kPicture, kValueThumbnail | kValuePictWidth |
                                                      kValuePictHeight | kValueBitmap |
                                                      kValueMetafile};
    case kKindTextAndPicture:
      // 2 and 3 show the text as a text slot would with textview 1 and 2.
      if (textpictview == 2 || textpictview == 3) return TextChoice(textpictview - 1);
      if (textpictview != 1) return std::nullopt;
      return DisplayChoice{DisplayKind::kTextPicture, kValuePreview | kValueThumbnail |
                                                          kValueRichText | kValueBitmap |
                                                          kValueMetafile};
    case kKindOther:
      return DisplayChoice{DisplayKind::kBinary, kValueSizeText | kValueSound};
    case kKindFiles:
      return DisplayChoice{DisplayKind::kFiles, kValuePreview};
    default:
      return std::nullopt;
  }
}

SlotMenuItems MenuItemsFor(DisplayKind kind) {
  switch (kind) {
    case DisplayKind::kText:
    case DisplayKind::kOnlyText:
      return {.textConversion = true, .saveAsText = true, .addTextToClipboard = true};
    case DisplayKind::kPicture:
      return {.imageTransformation = true, .saveAsImage = true};
    case DisplayKind::kTextPicture:
      return {true, true, true, true, true};
    case DisplayKind::kFiles:
      return {.saveAsText = true, .addTextToClipboard = true};
    default:
      return {};
  }
}

}  // namespace qv
