#include "ui/slot_geometry.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using E = SlotElement;
using Elements = std::vector<Element>;

const DisplayKind kAllKinds[] = {
    DisplayKind::kText,        DisplayKind::kOnlyText,       DisplayKind::kPicture,
    DisplayKind::kTextPicture, DisplayKind::kFiles,          DisplayKind::kBinary,
    DisplayKind::kEmptySlot,   DisplayKind::kEmptyClipboard,
};

TEST(SlotElements, TextWithCounts) {
  EXPECT_EQ(SlotElements(DisplayKind::kText, 294), (Elements{
                                                       {E::kGround, {0, 0, 294, 56}},
                                                       {E::kTextStrip, {0, 0, 9, 28}},
                                                       {E::kRtfStrip, {0, 28, 9, 28}},
                                                       {E::kSeparator, {190, 0, 2, 56}},
                                                       {E::kMenuSeparator, {276, 0, 2, 56}},
                                                       {E::kMenuButton, {279, 0, 15, 56}},
                                                       {E::kStringsCaption, {196, 2, 45, 16}},
                                                       {E::kWordsCaption, {196, 20, 45, 16}},
                                                       {E::kCharsCaption, {196, 38, 45, 16}},
                                                       {E::kStringsValue, {242, 2, 28, 16}},
                                                       {E::kWordsValue, {242, 20, 28, 16}},
                                                       {E::kCharsValue, {242, 38, 28, 16}},
                                                       {E::kTopArea, {0, 0, 278, 56}},
                                                       {E::kPreview, {11, 0, 176, 56}},
                                                   }));
  EXPECT_EQ(SlotElements(DisplayKind::kText, 500), (Elements{
                                                       {E::kGround, {0, 0, 500, 56}},
                                                       {E::kTextStrip, {0, 0, 9, 28}},
                                                       {E::kRtfStrip, {0, 28, 9, 28}},
                                                       {E::kSeparator, {396, 0, 2, 56}},
                                                       {E::kMenuSeparator, {482, 0, 2, 56}},
                                                       {E::kMenuButton, {485, 0, 15, 56}},
                                                       {E::kStringsCaption, {402, 2, 45, 16}},
                                                       {E::kWordsCaption, {402, 20, 45, 16}},
                                                       {E::kCharsCaption, {402, 38, 45, 16}},
                                                       {E::kStringsValue, {448, 2, 28, 16}},
                                                       {E::kWordsValue, {448, 20, 28, 16}},
                                                       {E::kCharsValue, {448, 38, 28, 16}},
                                                       {E::kTopArea, {0, 0, 484, 56}},
                                                       {E::kPreview, {11, 0, 382, 56}},
                                                   }));
}

TEST(SlotElements, OnlyTextAndFiles) {
  EXPECT_EQ(SlotElements(DisplayKind::kOnlyText, 294), (Elements{
                                                           {E::kGround, {0, 0, 294, 56}},
                                                           {E::kTextStrip, {0, 0, 9, 28}},
                                                           {E::kRtfStrip, {0, 28, 9, 28}},
                                                           {E::kMenuSeparator, {276, 0, 2, 56}},
                                                           {E::kMenuButton, {279, 0, 15, 56}},
                                                           {E::kTopArea, {0, 0, 278, 56}},
                                                           {E::kPreview, {11, 0, 262, 56}},
                                                       }));
  EXPECT_EQ(SlotElements(DisplayKind::kFiles, 500), (Elements{
                                                        {E::kGround, {0, 0, 500, 56}},
                                                        {E::kFilesStrip, {0, 0, 9, 56}},
                                                        {E::kMenuSeparator, {482, 0, 2, 56}},
                                                        {E::kMenuButton, {485, 0, 15, 56}},
                                                        {E::kTopArea, {0, 0, 484, 56}},
                                                        {E::kPreview, {11, 0, 468, 56}},
                                                    }));
  EXPECT_EQ(SlotElements(DisplayKind::kOnlyText, 500).back(),
            (Element{E::kPreview, {11, 0, 468, 56}}));
  EXPECT_EQ(SlotElements(DisplayKind::kFiles, 294).back(),
            (Element{E::kPreview, {11, 0, 262, 56}}));
}

TEST(SlotElements, Picture) {
  EXPECT_EQ(SlotElements(DisplayKind::kPicture, 294), (Elements{
                                                          {E::kGround, {0, 0, 294, 56}},
                                                          {E::kBitmapStrip, {0, 0, 9, 56}},
                                                          {E::kMetafileStrip, {9, 0, 9, 56}},
                                                          {E::kSeparator, {182, 0, 2, 56}},
                                                          {E::kMenuSeparator, {276, 0, 2, 56}},
                                                          {E::kMenuButton, {279, 0, 15, 56}},
                                                          {E::kWidthCaption, {188, 9, 53, 16}},
                                                          {E::kHeightCaption, {188, 30, 53, 16}},
                                                          {E::kWidthValue, {242, 9, 28, 16}},
                                                          {E::kHeightValue, {242, 30, 28, 16}},
                                                          {E::kTopArea, {0, 0, 278, 56}},
                                                          {E::kPicture, {19, 0, 162, 56}},
                                                      }));
  EXPECT_EQ(SlotElements(DisplayKind::kPicture, 500), (Elements{
                                                          {E::kGround, {0, 0, 500, 56}},
                                                          {E::kBitmapStrip, {0, 0, 9, 56}},
                                                          {E::kMetafileStrip, {9, 0, 9, 56}},
                                                          {E::kSeparator, {388, 0, 2, 56}},
                                                          {E::kMenuSeparator, {482, 0, 2, 56}},
                                                          {E::kMenuButton, {485, 0, 15, 56}},
                                                          {E::kWidthCaption, {394, 9, 53, 16}},
                                                          {E::kHeightCaption, {394, 30, 53, 16}},
                                                          {E::kWidthValue, {448, 9, 28, 16}},
                                                          {E::kHeightValue, {448, 30, 28, 16}},
                                                          {E::kTopArea, {0, 0, 484, 56}},
                                                          {E::kPicture, {19, 0, 368, 56}},
                                                      }));
}

TEST(SlotElements, TextAndPicture) {
  EXPECT_EQ(SlotElements(DisplayKind::kTextPicture, 294), (Elements{
                                                              {E::kGround, {0, 0, 294, 56}},
                                                              {E::kTextStrip, {0, 0, 9, 28}},
                                                              {E::kRtfStrip, {0, 28, 9, 28}},
                                                              {E::kBitmapStrip, {177, 0, 9, 56}},
                                                              {E::kMetafileStrip, {186, 0, 9, 56}},
                                                              {E::kSeparator, {174, 0, 2, 56}},
                                                              {E::kMenuSeparator, {276, 0, 2, 56}},
                                                              {E::kMenuButton, {279, 0, 15, 56}},
                                                              {E::kTopArea, {0, 0, 278, 56}},
                                                              {E::kPreview, {11, 0, 160, 56}},
                                                              {E::kPicture, {198, 0, 75, 56}},
                                                          }));
  EXPECT_EQ(SlotElements(DisplayKind::kTextPicture, 500), (Elements{
                                                              {E::kGround, {0, 0, 500, 56}},
                                                              {E::kTextStrip, {0, 0, 9, 28}},
                                                              {E::kRtfStrip, {0, 28, 9, 28}},
                                                              {E::kBitmapStrip, {383, 0, 9, 56}},
                                                              {E::kMetafileStrip, {392, 0, 9, 56}},
                                                              {E::kSeparator, {380, 0, 2, 56}},
                                                              {E::kMenuSeparator, {482, 0, 2, 56}},
                                                              {E::kMenuButton, {485, 0, 15, 56}},
                                                              {E::kTopArea, {0, 0, 484, 56}},
                                                              {E::kPreview, {11, 0, 366, 56}},
                                                              {E::kPicture, {404, 0, 75, 56}},
                                                          }));
}

TEST(SlotElements, BinaryTopAreaCoversTheLabels) {
  EXPECT_EQ(SlotElements(DisplayKind::kBinary, 294), (Elements{
                                                         {E::kGround, {0, 0, 294, 56}},
                                                         {E::kBinaryStrip, {0, 0, 9, 56}},
                                                         {E::kSoundStrip, {9, 0, 9, 56}},
                                                         {E::kMenuSeparator, {276, 0, 2, 56}},
                                                         {E::kMenuButton, {279, 0, 15, 56}},
                                                         {E::kBinaryLabel, {21, 8, 252, 18}},
                                                         {E::kSizeLabel, {21, 32, 252, 18}},
                                                         {E::kTopArea, {0, 0, 278, 56}},
                                                     }));
  const Elements wide = SlotElements(DisplayKind::kBinary, 500);
  EXPECT_EQ(wide[5], (Element{E::kBinaryLabel, {21, 8, 458, 18}}));
  EXPECT_EQ(wide[6], (Element{E::kSizeLabel, {21, 32, 458, 18}}));
  EXPECT_EQ(wide[7], (Element{E::kTopArea, {0, 0, 484, 56}}));
}

TEST(SlotElements, EmptyKindsHaveOnlyAMessage) {
  for (DisplayKind kind : {DisplayKind::kEmptySlot, DisplayKind::kEmptyClipboard}) {
    EXPECT_EQ(SlotElements(kind, 294), (Elements{
                                           {E::kGround, {0, 0, 294, 56}},
                                           {E::kMessage, {2, 16, 290, 24}},
                                           {E::kTopArea, {0, 0, 294, 56}},
                                       }));
    EXPECT_EQ(SlotElements(kind, 500), (Elements{
                                           {E::kGround, {0, 0, 500, 56}},
                                           {E::kMessage, {2, 16, 496, 24}},
                                           {E::kTopArea, {0, 0, 500, 56}},
                                       }));
  }
}

bool Overlap(const ElementBox& a, const ElementBox& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

TEST(SlotElements, ControlsStayInsideAndApartAtEveryWidth) {
  for (int w = 294; w <= 800; w += 7) {
    for (DisplayKind kind : kAllKinds) {
      const Elements els = SlotElements(kind, w);
      ASSERT_FALSE(els.empty());
      EXPECT_EQ(els.front().id, E::kGround);
      for (size_t i = 0; i < els.size(); ++i) {
        const ElementBox& a = els[i].box;
        EXPECT_GE(a.left, 0);
        EXPECT_GE(a.top, 0);
        EXPECT_GT(a.width, 0);
        EXPECT_LE(a.left + a.width, w) << static_cast<int>(kind) << " at " << w;
        EXPECT_LE(a.top + a.height, kSlotHeight);
        // Only the ground and the hit area may lie under other controls.
        if (els[i].id == E::kGround || els[i].id == E::kTopArea) continue;
        for (size_t j = i + 1; j < els.size(); ++j) {
          if (els[j].id == E::kTopArea) continue;
          EXPECT_FALSE(Overlap(a, els[j].box)) << "kind " << static_cast<int>(kind) << " width "
                                               << w << ": elements " << i << " and " << j;
        }
      }
    }
  }
}

TEST(SlotElements, TopAreaLeavesTheMenuButtonItsClicks) {
  for (DisplayKind kind : kAllKinds) {
    const Elements els = SlotElements(kind, 294);
    const ElementBox* top = nullptr;
    const ElementBox* menu = nullptr;
    for (const Element& e : els) {
      if (e.id == E::kTopArea) top = &e.box;
      if (e.id == E::kMenuButton) menu = &e.box;
    }
    ASSERT_NE(top, nullptr);
    if (menu) {
      EXPECT_FALSE(Overlap(*top, *menu)) << static_cast<int>(kind);
    }
    EXPECT_EQ(menu == nullptr, !ShowsContent(kind));
  }
}

TEST(SlotMenuPoint, BottomLeftOfTheMenuButton) {
  EXPECT_EQ(SlotMenuPoint(294), (Point{279, 56}));
  EXPECT_EQ(SlotMenuPoint(500), (Point{485, 56}));
}

}  // namespace
}  // namespace qv
