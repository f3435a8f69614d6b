// The main window: placement, height and rows, slot view elements, ground and flat buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ui/flat_button_images.h"
#include "ui/flat_button_pointer.h"
#include "ui/ground_table.h"
#include "ui/opacity.h"
#include "ui/placement.h"
#include "ui/slot_geometry.h"
#include "ui/viewer_placement.h"
#include "ui/window_layout.h"

namespace qv {
namespace {

constexpr Size kScreen{1280, 800}, kWindow{300, 420};
constexpr Rect kBottomTaskbar{0, 770, 1280, 800}, kWorkArea{0, 0, 1280, 770};

// Five pixels of slack at the screen edges; one pixel clear of the taskbar and the screen edge.
TEST(PlaceNextToTray, FindsTheTaskbarSide) {
  using S = TaskbarSide;
  const std::pair<Rect, S> sides[] = {
      {{5, 770, 1280, 800}, S::kBottom}, {{6, 770, 1280, 800}, S::kRight},
      {{0, 770, 1275, 800}, S::kBottom}, {{0, 770, 1274, 800}, S::kLeft},
      {{0, 5, 1280, 35}, S::kTop},       {{0, 6, 1280, 36}, S::kBottom}};
  for (const auto& [taskbar, side] : sides)
    EXPECT_EQ(FindTaskbarSide(taskbar, kScreen), side) << taskbar.left << "," << taskbar.top;
  const std::pair<Rect, Point> cases[] = {{kBottomTaskbar, {979, 349}},
                                          {{0, 0, 1280, 30}, {979, 31}},
                                          {{0, 0, 60, 800}, {61, 379}},
                                          {{1220, 0, 1280, 800}, {919, 379}}};
  for (const auto& [taskbar, at] : cases) EXPECT_EQ(PlaceNextToTray(taskbar, kScreen, kWindow), at);
}

// Bottom fixed: the window grows from two to four rows and back, its bottom staying put.
TEST(PlaceWindow, EachAlignMode) {
  const SavedGeometry old{1, 2, 3}, two{50, 400, 213}, four{50, 284, 329};
  const Rect at10{10, 20, 310, 440};
  const std::tuple<uint8_t, Rect, int, bool, SavedGeometry, Point, SavedGeometry> cases[] = {
      {kAlignTray, at10, 387, true, old, {979, 349}, {979, 349, 387}},
      {kAlignTray, at10, 387, false, old, {10, 20}, old},  // no taskbar
      {kAlignTop, at10, 387, true, old, {10, 20}, {1, 20, 387}},
      {7, at10, 387, true, old, {10, 20}, old},
      {kAlignBottom, {50, 400, 350, 762}, 329, true, two, {50, 284}, four},
      {kAlignBottom, {50, 284, 350, 646}, 329, true, four, {50, 284}, four},
      {kAlignBottom, {50, 284, 350, 530}, 213, true, four, {50, 400}, two}};
  for (const auto& [mode, window, client, taskbar, before, position, after] : cases) {
    PlaceRequest request{mode, window, client, kBottomTaskbar, kScreen};
    if (!taskbar) request.taskbar.reset();
    const Placement p = PlaceWindow(request, before);
    EXPECT_EQ(std::pair(p.position, p.saved), std::pair(position, after)) << int{mode} << client;
  }
}

// Edges closer than the snap value dock, (0, 0) aside; nudges and resizes are no move.
TEST(DockToWorkArea, EdgesCloserThanTheSnapValueAndMoves) {
  const Rect belowTopTaskbar{0, 5, 1280, 800}, second{1280, 0, 2560, 1024};
  const std::tuple<Point, Rect, Point> cases[] = {
      {{7, 100}, kWorkArea, {0, 100}},     {{-7, 100}, kWorkArea, {0, 100}},
      {{100, 7}, kWorkArea, {100, 0}},     {{973, 100}, kWorkArea, {980, 100}},
      {{987, 100}, kWorkArea, {980, 100}}, {{100, 343}, kWorkArea, {100, 350}},
      {{8, 100}, kWorkArea, {8, 100}},     {{100, 8}, kWorkArea, {100, 8}},
      {{972, 100}, kWorkArea, {972, 100}}, {{100, 342}, kWorkArea, {100, 342}},
      {{0, 0}, belowTopTaskbar, {0, 0}},   {{0, 1}, belowTopTaskbar, {0, 5}},
      {{1285, 300}, second, {1280, 300}}};
  for (const auto& [from, area, to] : cases)
    EXPECT_EQ(DockToWorkArea(from, kWindow, area, 8), to) << from.x << "," << from.y;
  const std::pair<Rect, bool> moves[] = {
      {{100, 100, 400, 520}, false}, {{105, 105, 405, 525}, false}, {{106, 106, 406, 526}, false},
      {{80, 100, 400, 520}, false},  {{100, 100, 500, 700}, false}, {{150, 100, 450, 520}, true},
      {{93, 100, 393, 520}, true},   {{100, 107, 400, 527}, true},  {{100, 93, 400, 513}, true}};
  for (const auto& [after, moved] : moves)
    EXPECT_EQ(WindowMoved({100, 100, 400, 520}, after), moved) << after.left << "," << after.top;
  EXPECT_EQ(AlignAfterMove(kAlignTray, true), kAlignTop);
  EXPECT_EQ(AlignAfterMove(kAlignBottom, true), kAlignBottom);
}

// Centred on the target, kept 2 pixels inside the work area, the near edge winning.
TEST(Viewers, PlacementSizeAndOpacity) {
  const Rect area = kWorkArea, leftTop{60, 30, 1280, 800};
  const Size text{294, 184}, huge{1400, 900};
  const std::tuple<Size, Rect, Rect, Point> cases[] = {
      {text, {100, 200, 372, 256}, area, {89, 136}},
      {text, {0, 300, 272, 356}, area, {2, 236}},
      {text, {1100, 700, 1280, 756}, area, {984, 584}},
      {text, {62, 30, 334, 86}, leftTop, {62, 32}},
      {huge, {600, 350, 680, 420}, area, {2, 2}},
      {huge, {1200, 700, 1280, 760}, leftTop, {62, 32}}};
  for (const auto& [viewer, target, in, at] : cases)
    EXPECT_EQ(CenterViewer(viewer, target, in), at) << target.left << "," << target.top;
  EXPECT_EQ(std::pair(TextViewerClientSize(2000, 20), PictureViewerClientSize(120)),
            std::pair(Size{2004, 24}, Size{484, 364}));  // 480 × 360 pictures
  EXPECT_EQ(ViewerOpacity(127, true), 127);
  EXPECT_EQ(ViewerOpacity(127, false), 255);
  const std::pair<int, int> opacities[] = {{0, 255}, {1, 252}, {50, 127},   // 2.55 a percent,
                                           {100, 0}, {150, 0}, {-5, 255}};  // halves rounding up
  for (auto [percent, opacity] : opacities)
    EXPECT_EQ(OpacityFromTransparency(percent), opacity) << percent;
}

// One 58-pixel row per saved slot up to the page; a dragged height snaps, half a row rounding up.
TEST(ClientHeight, RowsAndSnapping) {
  const std::tuple<int, int, int> cases[] = {{5, 1, 155}, {5, 2, 155}, {5, 3, 213}, {5, 6, 387},
                                             {5, 9, 387}, {3, 4, 271}, {3, 5, 271}, {1, 9, 155}};
  for (auto [page, length, height] : cases)
    EXPECT_EQ(ClientHeightFor(page, length), height) << page << "/" << length;
  const std::tuple<int, int, int> snaps[] = {{0, 155, 1},   {183, 155, 1}, {184, 213, 2},
                                             {241, 213, 2}, {242, 271, 3}, {357, 329, 4},
                                             {358, 387, 5}, {500, 387, 5}};
  for (auto [dragged, height, rows] : snaps)
    EXPECT_EQ(SnapClientHeight(dragged), (RowSnap{height, rows})) << dragged;
  EXPECT_EQ(ClampClientWidth(200), 294);
  EXPECT_EQ(ClampClientWidth(500), 500);
  EXPECT_EQ(CenteredLeft(295, kToolButtonsWidth), 2);  // an odd pixel goes to the right
}

// Enabled only past the page, the range kept while off; the wheel moves a row (positions 0..4).
TEST(UpdateScroll, EnabledOnlyPastThePageWithThePositionClamped) {
  const ScrollState scrolled{true, 3, 2, 2, 9};
  EXPECT_EQ(UpdateScroll(scrolled, 2, 5), (ScrollState{false, 0, 2, 2, 9}));
  EXPECT_FALSE(UpdateScroll(scrolled, 6, 5).enabled) << "five saved slots fit page 5";
  EXPECT_EQ(UpdateScroll(scrolled, 7, 5), (ScrollState{true, 1, 5, 5, 5}));
  for (auto [from, to] : std::initializer_list<std::pair<int, int>>{{9, 4}, {4, 4}, {-2, 0}})
    EXPECT_EQ(UpdateScroll({false, from, 1, 1, 1}, 8, 3), (ScrollState{true, to, 3, 3, 6})) << from;
  const std::tuple<bool, int, int, int> wheel[] = {
      {true, 2, 120, 1},  {true, 2, -120, 3}, {true, 2, 0, 2},    {true, 0, 120, 0},
      {true, 4, -240, 4}, {true, 3, -120, 4}, {false, 2, 120, 2}, {false, 2, -120, 2}};
  for (auto [enabled, position, delta, expected] : wheel)
    EXPECT_EQ(WheelPosition({enabled, position, 3, 3, 6}, delta, 8, 3), expected)
        << position << " " << delta;
}

// The rows as text: the snapshot each shows, E for "empty", . for a row left as it is.
std::string Rows(const SlotFills& slots) {
  std::string out;
  for (const SlotFill& f : slots)
    out += f.action == SlotFill::Action::kKeep        ? "."
           : f.action == SlotFill::Action::kEmptySlot ? "E"
                                                      : std::to_string(f.index);
  return out;
}

// Rows below the page are kept; rows follow the clamped position.
TEST(PlanVisualize, HeightScrollAndRows) {
  const std::tuple<int, int, int, int, int, const char*> cases[] = {{8, 3, 4, 271, 4, "7210.."},
                                                                    {8, 3, 50, 271, 4, "7210.."},
                                                                    {8, 3, 0, 271, 0, "7654.."},
                                                                    {1, 5, 0, 155, 0, "0E...."},
                                                                    {3, 5, 3, 213, 0, "210..."}};
  for (const auto& [length, page, position, height, clamped, rows] : cases) {
    const VisualizePlan plan = PlanVisualize(length, page, ScrollState{true, position});
    EXPECT_EQ(std::tuple(plan.clientHeight, plan.scroll.position, Rows(plan.slots)),
              std::tuple(height, clamped, std::string(rows)));
  }
  const std::tuple<int, int, int, int, const char*> changes[] = {
      {8, 3, 6, 4, ".210.."}, {8, 3, 2, 2, ".432.."}, {3, 5, 1, 1, ".0...."}};
  for (const auto& [length, page, position, clamped, rows] : changes) {
    const ScrollRefill r = PlanScrollChange(length, page, position);
    EXPECT_EQ(std::pair(r.position, Rows(r.slots)), std::pair(clamped, std::string(rows)));
  }
}

using E = SlotElement;
using K = DisplayKind;

std::optional<ElementBox> Find(K kind, E id, int width) {
  for (const Element& e : SlotElements(kind, width))
    if (e.id == id) return e.box;
  return std::nullopt;
}

bool Overlap(const ElementBox& a, const ElementBox& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// Worked values at the designed width, 294 pixels; the next test holds for every element.
TEST(SlotElements, WorkedValuesAtTheDesignedWidth) {
  using enum SlotElement;
  const K T = K::kText, O = K::kOnlyText, P = K::kPicture, TP = K::kTextPicture;
  const K B = K::kBinary, Empty = K::kEmptySlot;
  const std::tuple<K, E, ElementBox> cases[] = {
      {T, kSeparator, {190, 0, 2, 56}},       {T, kStringsCaption, {196, 2, 45, 16}},
      {T, kCharsValue, {242, 38, 28, 16}},    {T, kPreview, {11, 0, 176, 56}},
      {O, kPreview, {11, 0, 262, 56}},        {P, kHeightValue, {242, 30, 28, 16}},
      {P, kPicture, {19, 0, 162, 56}},        {TP, kPicture, {198, 0, 75, 56}},
      {P, kHeightCaption, {188, 30, 53, 16}}, {B, kSizeLabel, {21, 32, 252, 18}},
      {Empty, kMessage, {2, 16, 290, 24}}};
  for (const auto& [kind, id, box] : cases)
    EXPECT_EQ(Find(kind, id, 294), box) << static_cast<int>(kind) << "/" << static_cast<int>(id);
}

// Wider, each element stays, moves or stretches; controls stay inside and apart (the ground and
// the hit area lie under them); the menu button keeps its clicks and opens its menu below.
TEST(SlotElements, EveryWidthKeepsTheControlsInsideAndApart) {
  for (K kind : {K::kText, K::kOnlyText, K::kPicture, K::kTextPicture, K::kFiles, K::kBinary,
                 K::kEmptySlot, K::kEmptyClipboard}) {
    const std::vector<Element> narrow = SlotElements(kind, 294);
    for (int w = 294; w <= 800; w += 7) {
      SCOPED_TRACE(testing::Message() << "kind " << int(kind) << " width " << w);
      const std::vector<Element> els = SlotElements(kind, w);
      ASSERT_EQ(els.size(), narrow.size());
      EXPECT_EQ(els.front().box, (ElementBox{0, 0, w, kSlotHeight}));
      for (size_t i = 0; i < els.size(); ++i) {
        const ElementBox &a = narrow[i].box, &b = els[i].box;
        const int extra = w - 294;
        EXPECT_EQ(els[i].id, narrow[i].id);
        const ElementBox moved{a.left + extra, a.top, a.width, a.height},
            stretched{a.left, a.top, a.width + extra, a.height};
        EXPECT_TRUE(b == a || b == moved || b == stretched) << i;
        EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.width > 0 && b.left + b.width <= w &&
                    b.top + b.height <= kSlotHeight)
            << i;
        if (els[i].id == E::kGround || els[i].id == E::kTopArea) continue;
        for (size_t j = i + 1; j < els.size(); ++j)
          EXPECT_FALSE(els[j].id != E::kTopArea && Overlap(b, els[j].box)) << i << " and " << j;
      }
      const auto top = Find(kind, E::kTopArea, w), menu = Find(kind, E::kMenuButton, w);
      ASSERT_TRUE(top);
      ASSERT_EQ(menu.has_value(), ShowsContent(kind));
      if (!menu) continue;
      EXPECT_FALSE(Overlap(*top, *menu));
      EXPECT_EQ(*menu, (ElementBox{w - 15, 0, 15, kSlotHeight}));
      EXPECT_EQ(SlotMenuPoint(w), (Point{w - 15, kSlotHeight}));
    }
  }
}

// The first column without alpha (white before any), one line per row, clamped to the table.
TEST(GroundTable, TakesTheFirstColumnAndGivesOneLinePerRow) {
  Bitmap32 b{5, 56, std::vector<uint32_t>(5 * 56, 0x123456)};
  for (int y = 0; y < 56; ++y) b.at(0, y) = 0xFF000000u | (0x010203u * static_cast<uint32_t>(y));
  GroundTable table;
  EXPECT_EQ(table.LinesFor({0, 0, 99, 49}), (std::vector<GroundLine>{{0, 0xFFFFFF, 0, 100}}));
  ASSERT_TRUE(table.SetBitmap(b));
  EXPECT_FALSE(table.SetBitmap(Bitmap32{}));
  EXPECT_EQ(table.Bitmap().width, 1);
  const std::tuple<EdgeRect, int, int, int, int> cases[] = {// rows first to last, x range
                                                            {{3, 10, 7, 12}, 10, 12, 3, 8},
                                                            {{0, 50, 99, 80}, 50, 55, 0, 100},
                                                            {{0, -5, 4, 1}, 0, 1, 0, 5},
                                                            {{0, 0, 4, 55}, 0, 55, 0, 5}};
  for (const auto& [update, first, last, xFrom, xTo] : cases) {
    std::vector<GroundLine> expected;
    for (int y = first; y <= last; ++y)
      expected.push_back({y, 0x010203u * static_cast<uint32_t>(y), xFrom, xTo});
    EXPECT_EQ(table.LinesFor(update), expected) << first;
  }
}

constexpr uint32_t kKey = 0xFF00FF;
constexpr uint32_t A = 0x102030, B = 0x405060, C = 0x708090, D = 0;  // black ink survives the mask

std::string Rows(const Bitmap32& b) {
  const uint32_t colours[] = {kKey, kFrameLight, kFrameShade, A, B, C, D};
  std::string out;
  for (int y = 0; y < b.height; ++y) {
    for (int x = 0; x < b.width; ++x) {
      const auto* at = std::find(std::begin(colours), std::end(colours), b.at(x, y));
      out += ".WGABCD?"[at - std::begin(colours)];
    }
    out += '\n';
  }
  return out;
}

// Hot adds a white and grey frame; pressed shifts the glyph and swaps it; the mask marks the key.
TEST(FlatButtonImages, TheThreeFacesOfASmallGlyph) {
  const Bitmap32 glyph{3, 2, {kKey, A, B, C, kKey, D}};
  FlatButtonImages images = BuildFlatButtonImages(glyph, 6, 5);
  EXPECT_EQ(images.key, kKey);
  EXPECT_EQ(Rows(images.normal), "......\n..AB..\n.C.D..\n......\n......\n");
  EXPECT_EQ(Rows(images.hot), "WWWWWG\nW.AB.G\nWC.D.G\nW....G\nGGGGGG\n");
  EXPECT_EQ(Rows(images.pressed), "GGGGGW\nG....W\nG..ABW\nG.C.DW\nWWWWWW\n");
  const MonoBitmap mask = MakeKeyMask(images.normal, images.key);
  EXPECT_EQ(mask.bits, (std::vector<uint8_t>{0xFC, 0, 0xCC, 0, 0xAC, 0, 0xFC, 0, 0xFC, 0}));
  EXPECT_TRUE(mask.Get(2, 2) && !mask.Get(3, 2));
  EXPECT_EQ(Rows(BlackenKey(images.hot, images.key)), "WWWWWG\nWDABDG\nWCDDDG\nWDDDDG\nGGGGGG\n");
  EXPECT_EQ(BuildFlatButtonImages({0, 2, {}}, 6, 5).normal.width, 0);
  EXPECT_EQ(BuildFlatButtonImages(glyph, 0, 5).hot.width, 0);
  const MonoBitmap wide = MakeKeyMask({10, 1, {A, A, A, A, A, A, A, A, kKey, A}}, kKey);
  EXPECT_TRUE(wide.bits == (std::vector<uint8_t>{0, 0x80}) && wide.Get(8, 0) && !wide.Get(0, 0));
}

// Pressed, the light edge takes only key pixels; a larger glyph sits at |3 - 5| / 2 = 1, clipped.
TEST(FlatButtonImages, GlyphsReachingOrPassingTheEdges) {
  const Bitmap32 glyph{
      5, 4, {kKey, A, A, A, A, A, A, A, A, kKey, A, A, A, A, B, C, kKey, C, C, kKey}};
  EXPECT_EQ(Rows(BuildFlatButtonImages(glyph, 6, 5).pressed),
            "GGGGGW\nG.AAAA\nGAAAAW\nGAAAAB\nWCWCCW\n");
  const uint32_t k = kKey;
  const Bitmap32 large{
      5, 5, {k, A, k, k, k, B, C, k, k, k, k, k, D, k, k, k, k, k, k, k, k, k, k, k, k}};
  EXPECT_EQ(Rows(BuildFlatButtonImages(large, 3, 3).normal), "...\n..A\n.BC\n");
}

// The face follows the pointer; a 24 x 24 control at (100, 50) takes its far edges in.
TEST(FlatButton, FaceHitAreaAndEdges) {
  using enum FlatButtonFace;  // rows: inside, down, designing, face
  const std::tuple<bool, bool, bool, FlatButtonFace> faces[] = {
      {true, true, false, Pressed}, {false, false, false, Normal}, {true, false, false, Hot},
      {false, true, false, Hot},    {false, false, true, Hot},     {true, true, true, Hot}};
  for (auto [inside, down, designing, face] : faces)
    EXPECT_EQ(ChooseFlatButtonFace(inside, down, designing), face) << inside << down << designing;
  const std::tuple<int, int, bool> points[] = {{100, 50, true},  {124, 74, true}, {125, 60, false},
                                               {110, 75, false}, {99, 60, false}, {110, 49, false}};
  for (auto [x, y, inside] : points)
    EXPECT_EQ(InsideWithEdges(x, y, 100, 50, 24, 24), inside) << x << "," << y;
  std::string edges(7 * 4, '.');
  for (const ColourRect& r : ButtonEdges(7, 4))
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) edges[y * 7 + x] = 'x';
  EXPECT_EQ(edges, "xxxxxxxx.....xx.....xxxxxxxx");
}

// Only a press and a release both inside click; a pressed button repaints whole.
TEST(FlatButtonPointer, PressDragAndRelease) {
  using enum ButtonPaint;
  FlatButtonPointer b;
  const ButtonPaint paints[] = {b.Enter(), b.Leave(), b.Press(), b.Leave(), b.Enter()};
  EXPECT_EQ(std::vector(std::begin(paints), std::end(paints)),
            (std::vector{DrawHotFrame, InvalidateEdges, Repaint, Repaint, Repaint}));
  const ButtonRelease inside = b.Release(true), noPress = b.Release(true);
  b.Press();
  const ButtonRelease draggedOff = b.Release(false);
  b.Press();
  b.Cancel();
  EXPECT_TRUE(inside.click && inside.paint == Repaint);
  EXPECT_TRUE(!draggedOff.click && draggedOff.paint == InvalidateEdges);
  EXPECT_FALSE(noPress.click || b.Release(true).click) << "no press, or a cancelled one";
}

}  // namespace
}  // namespace qv
