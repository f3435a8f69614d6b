#include "picture_ops/save_picture_file.h"

#include <gtest/gtest.h>

#include "codecs/bmp.h"
#include "codecs/image_decoders.h"
#include "codecs/wmf.h"
#include "platform/clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "test_support.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

struct SavePictureFileTest : ::testing::Test {
  SimMetafileRenderer renderer;
  test::TempFolder folder;
  Bitmap32 picture = test::Picture(15, 11);
  Bytes bmp = EncodeBmp(picture, 24);
  Bytes emf = MakeTestEmf(30, 20, Bytes{9, 9, 9, 9});
  Bytes both = test::Stream({{CF_TEXT, test::Ansi("t")}}, bmp, emf);
  Bytes metafileOnly = test::Stream({}, {}, emf);

  Bytes Saved(ByteView stream, PictWriter writer, const char* name) {
    EXPECT_EQ(SavePictureFile(stream, writer, folder / name, renderer), SaveOutcome::Saved) << name;
    return ReadWholeFile(folder / name).value_or(Bytes{});
  }
};

TEST_F(SavePictureFileTest, EachWriterMakesAFileItsDecoderReads) {
  EXPECT_EQ(Saved(both, PictWriter::Bmp, "a.bmp"), bmp) << "the bitmap part as stored";

  test::DecodedJpeg jpeg = test::DecodeJpeg(Saved(both, PictWriter::Jpeg, "a.jpg"));
  ASSERT_TRUE(jpeg.ok);
  EXPECT_EQ(jpeg.width, 15);
  EXPECT_EQ(jpeg.height, 11);
  EXPECT_TRUE(jpeg.progressive);

  int colours = 0;
  auto gif = test::DecodeGif(Saved(both, PictWriter::Gif, "a.gif"), &colours);
  ASSERT_TRUE(gif);
  EXPECT_EQ(*gif, picture) << "165 colours fit the palette exactly";
  EXPECT_LE(colours, 256);

  EXPECT_EQ(Saved(both, PictWriter::Emf, "a.emf"), emf);
  Bytes wmf = Saved(both, PictWriter::Wmf, "a.wmf");
  ASSERT_GE(wmf.size(), 4u);
  EXPECT_EQ(LoadU32(wmf.data()), kPlaceableKey);
  EXPECT_EQ(folder.FileCount(), 5u) << "no temporary file is left beside them";
}

TEST_F(SavePictureFileTest, AMetafileOnlyPictureIsRenderedForTheBitmapWriters) {
  auto drawn = renderer.Render(emf);
  auto saved = DecodeBmp(Saved(metafileOnly, PictWriter::Bmp, "m.bmp"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(*saved, *drawn);
  test::DecodedJpeg jpeg = test::DecodeJpeg(Saved(metafileOnly, PictWriter::Jpeg, "m.jpg"));
  EXPECT_EQ(jpeg.width, drawn->width);
  EXPECT_EQ(jpeg.height, drawn->height);
  auto gif = test::DecodeGif(Saved(metafileOnly, PictWriter::Gif, "m.gif"));
  ASSERT_TRUE(gif);
  EXPECT_EQ(*gif, *drawn);
}

TEST_F(SavePictureFileTest, FailuresLeaveNoFileAndKeepAnOldOne) {
  const Bytes old = test::Ansi("old");
  WriteWholeFile(folder / "keep.gif", old);
  Bytes rle = bmp;
  test::PatchU32(rle, 14 + 16, BI_RLE8);
  struct Case {
    const char* what;
    Bytes stream;
    PictWriter writer;
    SaveOutcome outcome;
  };
  const Case cases[] = {
      {"no picture", test::Stream({{CF_TEXT, test::Ansi("t")}}), PictWriter::Gif,
       SaveOutcome::NoPicture},
      {"metafile writer without a metafile", test::Stream({}, bmp), PictWriter::Wmf,
       SaveOutcome::NoPicture},
      {"compressed bitmap", test::Stream({}, rle), PictWriter::Gif, SaveOutcome::Unreadable},
      {"broken metafile", test::Stream({}, {}, Bytes(48, 1)), PictWriter::Emf,
       SaveOutcome::Unreadable},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SavePictureFile(c.stream, c.writer, folder / "keep.gif", renderer), c.outcome)
        << c.what;
    EXPECT_EQ(ReadWholeFile(folder / "keep.gif"), old) << c.what;
  }
  EXPECT_EQ(SavePictureFile(both, PictWriter::Bmp, folder / "missing" / "a.bmp", renderer),
            SaveOutcome::WriteFailed);
  EXPECT_EQ(folder.FileCount(), 1u);
}

}  // namespace
}  // namespace qv
