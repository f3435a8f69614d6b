#include "picture_ops/transform_picture.h"

#include <gtest/gtest.h>

#include "bmp_builder.h"
#include "codecs/bmp.h"
#include "sim_fixture.h"

namespace qv {
namespace {

using test::Ansi;
using test::Stream;

struct TransformPictureTest : ::testing::Test {
  SimClipboard clipboard;
  SimMetafileRenderer renderer;
  Bitmap32 picture = test::Picture(3, 2);
  Bytes bmp = EncodeBmp(picture, 24);

  Bitmap32 TurnedLeft(const Bitmap32& b) {
    Bitmap32 out{b.height, b.width, std::vector<uint32_t>(b.pixels.size())};
    for (int y = 0; y < out.height; ++y)
      for (int x = 0; x < out.width; ++x) out.at(x, y) = b.at(b.width - 1 - y, x);
    return out;
  }
};

TEST_F(TransformPictureTest, KeepsTheTextFormatsAndDropsEmbedSourceInAnyCase) {
  const uint32_t upper = clipboard.RegisterFormat("EMBED SOURCE");
  const uint32_t mixed = clipboard.RegisterFormat("Embed Source");
  const uint32_t rtf = clipboard.RegisterFormat("Rich Text Format");
  Bytes stream = Stream({{CF_TEXT, Ansi("caption")},
                         {upper, Bytes{1, 2}},
                         {rtf, Ansi("{\\rtf1 caption}")},
                         {mixed, Bytes{3}},
                         {CF_UNICODETEXT, test::Wide(u"caption")}},
                        bmp, MakeTestEmf(5, 5, Bytes{1}));
  ASSERT_EQ(TransformPicture(clipboard, renderer, stream, PictureTransform::RotateLeft),
            TransformOutcome::Done);
  auto formats = clipboard.Formats();
  for (uint32_t gone : {upper, mixed, uint32_t{CF_ENHMETAFILE}})
    EXPECT_EQ(std::count(formats.begin(), formats.end(), gone), 0) << gone;
  EXPECT_EQ(clipboard.Data(CF_TEXT), Ansi("caption"));
  EXPECT_EQ(clipboard.Data(rtf), Ansi("{\\rtf1 caption}"));
  EXPECT_EQ(clipboard.Bitmap(), TurnedLeft(picture)) << "the bitmap part is used, not the metafile";
  EXPECT_EQ(renderer.renders, 0);
}

TEST_F(TransformPictureTest, AMetafileOnlyPictureComesBackAsABitmapOfItsSize) {
  Bytes emf = MakeTestEmf(4, 3, Bytes{7, 7, 7});
  auto drawn = renderer.Render(emf);
  ASSERT_TRUE(drawn);
  Bytes stream = Stream({{CF_TEXT, Ansi("x")}}, {}, emf);
  ASSERT_EQ(TransformPicture(clipboard, renderer, stream, PictureTransform::InvertColors),
            TransformOutcome::Done);
  auto result = clipboard.Bitmap();
  ASSERT_TRUE(result);
  EXPECT_EQ(result->width, drawn->width);
  EXPECT_EQ(result->height, drawn->height);
  EXPECT_EQ(result->at(0, 0), ~drawn->at(0, 0) & 0xFFFFFF);
  EXPECT_FALSE(clipboard.Metafile()) << "the metafile formats are gone";
}

TEST_F(TransformPictureTest, PalettePictureReachesTheClipboardInItsOwnDepth) {
  Bytes palette = test::BmpOf(2, 2, 8, {0x112233, 0x445566}, {0, 1, 1, 1});
  Bytes stream = Stream({}, palette);
  ASSERT_EQ(TransformPicture(clipboard, renderer, stream, PictureTransform::FlipVertical),
            TransformOutcome::Done);
  Bytes written;
  ASSERT_TRUE(clipboard.AppendBitmapImage(written));
  EXPECT_EQ(ParseBmpImage(written)->bitCount, 8);
  EXPECT_EQ(clipboard.Bitmap()->pixels,
            (std::vector<uint32_t>{0x445566, 0x112233, 0x445566, 0x445566}));
}

TEST_F(TransformPictureTest, FailuresLeaveTheClipboardAlone) {
  clipboard.SetByOther({{CF_TEXT, Ansi("before")}});
  const uint32_t before = clipboard.SequenceNumber();
  // A 1-bit picture over the pixel limit, with all its data present.
  const int side = 8200;
  const size_t stride = ((side + 31) / 32) * 4;
  Bytes huge = test::BmpOf(1, 1, 1, {0, 0xFFFFFF}, {0});
  test::PatchU32(huge, 14 + 4, side);
  test::PatchU32(huge, 14 + 8, side);
  test::PatchU32(huge, 14 + 20, static_cast<uint32_t>(stride * side));
  huge.resize(huge.size() - 4 + stride * side);
  Bytes rle = bmp;
  test::PatchU32(rle, 14 + 16, BI_RLE8);

  struct Case {
    const char* what;
    Bytes stream;
    TransformOutcome outcome;
  };
  const Case cases[] = {
      {"no picture", Stream({{CF_TEXT, Ansi("t")}}), TransformOutcome::NoPicture},
      {"empty stream", Bytes{}, TransformOutcome::NoPicture},
      {"unusable metafile", Stream({}, {}, Bytes(40, 0)), TransformOutcome::NoPicture},
      {"compressed bitmap", Stream({}, rle), TransformOutcome::Unreadable},
      {"too large", Stream({}, huge), TransformOutcome::TooLarge},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TransformPicture(clipboard, renderer, c.stream, PictureTransform::RotateRight),
              c.outcome)
        << c.what;
    EXPECT_EQ(clipboard.SequenceNumber(), before) << c.what;
  }
  clipboard.refuseOpens = 1;
  EXPECT_EQ(TransformPicture(clipboard, renderer, Stream({}, bmp), PictureTransform::RotateHalf),
            TransformOutcome::ClipboardBusy);
  EXPECT_EQ(clipboard.Data(CF_TEXT), Ansi("before"));
}

}  // namespace
}  // namespace qv
