#include "ui/slot_geometry.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using E = SlotElement;
using K = DisplayKind;

const K kAllKinds[] = {K::kText,  K::kOnlyText, K::kPicture,   K::kTextPicture,
                       K::kFiles, K::kBinary,   K::kEmptySlot, K::kEmptyClipboard};

std::optional<ElementBox> Find(K kind, E id, int width) {
  for (const Element& e : SlotElements(kind, width))
    if (e.id == id) return e.box;
  return std::nullopt;
}

bool Overlap(const ElementBox& a, const ElementBox& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// A few worked values at the designed width, 294 pixels; the tests below
// hold for every element.
TEST(SlotElements, WorkedValuesAtTheDesignedWidth) {
  const struct {
    K kind;
    E id;
    ElementBox box;
  } cases[] = {
      {K::kText, E::kSeparator, {190, 0, 2, 56}},
      {K::kText, E::kStringsCaption, {196, 2, 45, 16}},
      {K::kText, E::kCharsValue, {242, 38, 28, 16}},
      {K::kText, E::kPreview, {11, 0, 176, 56}},
      {K::kText, E::kMenuButton, {279, 0, 15, 56}},
      {K::kOnlyText, E::kPreview, {11, 0, 262, 56}},
      {K::kPicture, E::kHeightValue, {242, 30, 28, 16}},
      {K::kPicture, E::kPicture, {19, 0, 162, 56}},
      {K::kTextPicture, E::kPicture, {198, 0, 75, 56}},
      {K::kBinary, E::kSizeLabel, {21, 32, 252, 18}},
      {K::kEmptySlot, E::kMessage, {2, 16, 290, 24}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Find(c.kind, c.id, 294), c.box)
        << static_cast<int>(c.kind) << "/" << static_cast<int>(c.id);
}

// A wider slot keeps the same elements in the same order; each one stays put,
// moves right with the right edge, or stretches with it.
TEST(SlotElements, WideningMovesOrStretchesEachElement) {
  for (K kind : kAllKinds) {
    const std::vector<Element> narrow = SlotElements(kind, 294);
    for (int extra : {1, 206, 500}) {
      const std::vector<Element> wide = SlotElements(kind, 294 + extra);
      ASSERT_EQ(wide.size(), narrow.size());
      for (size_t i = 0; i < narrow.size(); ++i) {
        const ElementBox& a = narrow[i].box;
        const ElementBox& b = wide[i].box;
        EXPECT_EQ(wide[i].id, narrow[i].id);
        const ElementBox moved{a.left + extra, a.top, a.width, a.height};
        const ElementBox stretched{a.left, a.top, a.width + extra, a.height};
        EXPECT_TRUE(b == a || b == moved || b == stretched)
            << "kind " << static_cast<int>(kind) << " element " << i << " at +" << extra;
      }
    }
  }
}

TEST(SlotElements, ControlsStayInsideAndApartAtEveryWidth) {
  for (int w = 294; w <= 800; w += 7) {
    for (K kind : kAllKinds) {
      const std::vector<Element> els = SlotElements(kind, w);
      ASSERT_FALSE(els.empty());
      EXPECT_EQ(els.front().box, (ElementBox{0, 0, w, kSlotHeight})) << "the ground comes first";
      for (size_t i = 0; i < els.size(); ++i) {
        const ElementBox& a = els[i].box;
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.width > 0 && a.left + a.width <= w &&
                    a.top + a.height <= kSlotHeight)
            << static_cast<int>(kind) << " at " << w;
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

TEST(SlotElements, TheMenuButtonKeepsItsClicksAndOpensItsMenu) {
  for (K kind : kAllKinds) {
    const auto top = Find(kind, E::kTopArea, 294);
    const auto menu = Find(kind, E::kMenuButton, 294);
    ASSERT_TRUE(top);
    EXPECT_EQ(menu.has_value(), ShowsContent(kind)) << static_cast<int>(kind);
    if (!menu) continue;
    EXPECT_FALSE(Overlap(*top, *menu)) << static_cast<int>(kind);
    for (int w : {294, 500})
      EXPECT_EQ(SlotMenuPoint(w), (Point{Find(kind, E::kMenuButton, w)->left, kSlotHeight}));
  }
}

}  // namespace
}  // namespace qv
