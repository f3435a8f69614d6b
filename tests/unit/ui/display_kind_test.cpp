#include "ui/display_kind.h"

#include <gtest/gtest.h>

#include "snapshot/clip_rec.h"

namespace qv {
namespace {

using DK = DisplayKind;

constexpr uint32_t kWithCounts =
    kValuePreview | kValueLineCount | kValueWordCount | kValueCharCount | kValueRichText;
constexpr uint32_t kTextOnly = kValuePreview | kValueRichText;

std::optional<DisplayChoice> Choice(DK kind, uint32_t values) {
  return DisplayChoice{kind, values};
}

// Text follows textview; text and picture follows textpictview (2 always
// means counts, 3 text only); an empty snapshot ignores both.
TEST(ChooseDisplayKind, TextKindsFollowTheirViewOption) {
  const uint32_t withPicture =
      kValuePreview | kValueThumbnail | kValueRichText | kValueBitmap | kValueMetafile;
  const struct {
    uint8_t kind;
    bool clipboard;
    uint8_t textview, textpictview;
    std::optional<DisplayChoice> choice;
  } cases[] = {
      {kKindEmpty, true, 1, 1, Choice(DK::kEmptyClipboard, 0)},
      {kKindEmpty, false, 1, 1, Choice(DK::kEmptySlot, 0)},
      {kKindEmpty, false, 0, 9, Choice(DK::kEmptySlot, 0)},
      {kKindText, false, 1, 3, Choice(DK::kText, kWithCounts)},
      {kKindText, true, 2, 1, Choice(DK::kOnlyText, kTextOnly)},
      {kKindText, false, 0, 1, std::nullopt},
      {kKindText, false, 3, 1, std::nullopt},
      {kKindTextAndPicture, false, 2, 1, Choice(DK::kTextPicture, withPicture)},
      {kKindTextAndPicture, false, 2, 2, Choice(DK::kText, kWithCounts)},
      {kKindTextAndPicture, true, 1, 3, Choice(DK::kOnlyText, kTextOnly)},
      {kKindTextAndPicture, false, 1, 0, std::nullopt},
      {kKindTextAndPicture, false, 1, 4, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseDisplayKind(c.kind, c.clipboard, c.textview, c.textpictview), c.choice)
        << int{c.kind} << " " << c.clipboard << " " << int{c.textview} << int{c.textpictview};
}

TEST(ChooseDisplayKind, KindsWithoutOptions) {
  for (uint8_t textview : {0, 1, 2, 7}) {
    EXPECT_EQ(ChooseDisplayKind(kKindPicture, false, textview, textview),
              Choice(DK::kPicture, kValueThumbnail | kValuePictWidth | kValuePictHeight |
                                       kValueBitmap | kValueMetafile));
    EXPECT_EQ(ChooseDisplayKind(kKindOther, true, textview, textview),
              Choice(DK::kBinary, kValueSizeText | kValueSound));
    EXPECT_EQ(ChooseDisplayKind(kKindFiles, false, textview, textview),
              Choice(DK::kFiles, kValuePreview));
  }
  EXPECT_EQ(ChooseDisplayKind(6, false, 1, 1), std::nullopt);
  EXPECT_EQ(ChooseDisplayKind(255, true, 1, 1), std::nullopt);
}

TEST(MenuItemsFor, ContentDependentItemsByKind) {
  //                        text conv, image tr, save text, save image, add text
  const SlotMenuItems text{true, false, true, false, true};
  EXPECT_EQ(MenuItemsFor(DK::kText), text);
  EXPECT_EQ(MenuItemsFor(DK::kOnlyText), text);
  EXPECT_EQ(MenuItemsFor(DK::kPicture), (SlotMenuItems{false, true, false, true, false}));
  EXPECT_EQ(MenuItemsFor(DK::kTextPicture), (SlotMenuItems{true, true, true, true, true}));
  EXPECT_EQ(MenuItemsFor(DK::kFiles), (SlotMenuItems{false, false, true, false, true}));
  const SlotMenuItems none{};
  EXPECT_EQ(MenuItemsFor(DK::kBinary), none);
  EXPECT_EQ(MenuItemsFor(DK::kEmptySlot), none);
  EXPECT_EQ(MenuItemsFor(DK::kEmptyClipboard), none);
}

}  // namespace
}  // namespace qv
