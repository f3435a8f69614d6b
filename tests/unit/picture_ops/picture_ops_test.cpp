#include <gtest/gtest.h>

#include <string>

#include "codecs/bmp.h"
#include "codecs/image_decoders.h"
#include "codecs/png.h"
#include "codecs/png_files.h"
#include "codecs/wmf.h"
#include "picture_ops/picture_transforms.h"
#include "picture_ops/save_pict_rules.h"
#include "picture_ops/save_picture_file.h"
#include "picture_ops/transform_picture.h"
#include "sim_fixture.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

using enum PictureTransform;
using test::Ansi;
using test::BmpOf;
using test::Stream;

Bytes Transformed(const Bytes& bmp, const std::vector<PictureTransform>& steps) {
  PixelImage image = ReadPixelImage(bmp).image.value_or(PixelImage{});
  for (PictureTransform t : steps) ApplyTransform(image, t);
  return WritePixelImage(image);
}

// Letters a..f stand for six colours of a 3 x 2 picture, rows top first.
const std::vector<uint32_t> kColours = {0xFF0000, 0x00FF00, 0x0000FF, 0x808080, 0x102030, 0xFFFFFF};

std::string Letters(const Bytes& bmp) {
  std::string s;
  const Bitmap32 b = DecodeBmp(bmp).value_or(Bitmap32{});
  for (int y = 0; y < b.height; ++y) {
    s += y ? "/" : "";
    for (int x = 0; x < b.width; ++x) {
      auto it = std::find(kColours.begin(), kColours.end(), b.at(x, y));
      s += it == kColours.end() ? '?' : static_cast<char>('a' + (it - kColours.begin()));
    }
  }
  return s;
}

TEST(PictureTransforms, EachMappingOnAThreeByTwoPictureInEveryDepth) {
  const std::pair<PictureTransform, const char*> mappings[] = {{RotateLeft, "cf/be/ad"},
                                                               {RotateRight, "da/eb/fc"},
                                                               {RotateHalf, "fed/cba"},
                                                               {FlipVertical, "cba/fed"},
                                                               {FlipHorizontal, "def/abc"}};
  const std::vector<uint32_t> indices = {0, 1, 2, 3, 4, 5};
  const Bytes sources[] = {BmpOf(3, 2, 24, {}, kColours), BmpOf(3, 2, 32, {}, kColours),
                           BmpOf(3, -2, 32, {}, kColours), BmpOf(3, 2, 8, kColours, indices),
                           BmpOf(3, 2, 4, kColours, indices)};
  for (const Bytes& bmp : sources) {
    ASSERT_EQ(Letters(bmp), "abc/def");
    for (const auto& [transform, result] : mappings)
      EXPECT_EQ(Letters(Transformed(bmp, {transform})), result)
          << "bits " << LoadU16(&bmp[28]) << " mode " << static_cast<int>(transform);
  }
  // A turn swaps the resolution with the axes: 72 dpi across, 96 down.
  const Bytes turned = Transformed(sources[0], {RotateLeft});
  EXPECT_EQ(LoadU32(&turned[14 + 24]), 3780u);
  EXPECT_EQ(LoadU32(&turned[14 + 28]), 2835u);
}

TEST(PictureTransforms, InvertComplementsEveryColourChannel) {
  const uint32_t c = 0x12F0A5, inverse = 0xED0F5A;
  // 24 and 32 bits change the pixels; palette pictures change their table.
  for (const Bytes& bmp :
       {BmpOf(1, 1, 24, {}, {c}), BmpOf(1, 1, 32, {}, {c}), BmpOf(1, 1, 8, {c, 0}, {0})})
    EXPECT_EQ(DecodeBmp(Transformed(bmp, {InvertColors}))->at(0, 0), inverse);
  // 16 bits, 5-5-5: each channel v becomes 31 - v and the top bit stays;
  // 32 bits keep their fourth byte.
  const Bytes sixteen =
      Transformed(BmpOf(1, 1, 16, {}, {0x8000 | 3 << 10 | 17 << 5 | 31}), {InvertColors});
  EXPECT_EQ(LoadU16(&sixteen[54]), 0x8000 | 28 << 10 | 14 << 5 | 0);
  const Bytes fields = BmpOf(1, 1, 16, {}, {0x1234}, BI_BITFIELDS, {0xF800, 0x07E0, 0x1F});
  EXPECT_EQ(LoadU16(&Transformed(fields, {InvertColors})[66]), 0xFFFF - 0x1234) << "5-6-5";
  EXPECT_EQ(LoadU32(&Transformed(BmpOf(1, 1, 32, {}, {0xAB000000}), {InvertColors})[54]),
            0xABFFFFFFu);
}

TEST(PictureTransforms, InverseStepsGiveBackTheSameFile) {
  // Every depth, odd widths (padded rows), pictures over a tile, unpadded rows.
  auto sample = [](uint16_t bits, int w, int h, uint32_t compression = BI_RGB) {
    std::vector<uint32_t> palette, values;
    for (uint32_t i = 0; bits <= 8 && i < (1u << bits); ++i)
      palette.push_back(i * 0x010305 & 0xFFFFFF);
    for (uint32_t i = 0; i < static_cast<uint32_t>(w * h); ++i)
      values.push_back(i * 2654435761u & (bits >= 32 ? ~0u : (1u << bits) - 1));
    return BmpOf(
        w, h, bits, palette, values, compression,
        compression ? std::vector<uint32_t>{0xF800, 0x07E0, 0x1F} : std::vector<uint32_t>{});
  };
  const std::vector<PictureTransform> inverses[] = {
      {RotateLeft, RotateRight},
      {RotateRight, RotateLeft},
      {RotateHalf, RotateHalf},
      {FlipVertical, FlipVertical},
      {FlipHorizontal, FlipHorizontal},
      {InvertColors, InvertColors},
      {RotateLeft, RotateLeft, RotateLeft, RotateLeft},
      {FlipVertical, FlipHorizontal, RotateHalf}};
  const Bytes pictures[] = {
      sample(1, 13, 5),   sample(4, 7, 3),   sample(8, 5, 9),   sample(16, 3, 4),
      sample(24, 7, 5),   sample(32, 6, 1),  sample(24, 1, 37), sample(16, 5, 2, BI_BITFIELDS),
      sample(24, 70, 45), sample(24, 4, 67), sample(24, 68, 3)};
  for (const Bytes& bmp : pictures)
    for (const auto& steps : inverses)
      EXPECT_EQ(Transformed(bmp, steps), bmp) << "bits " << LoadU16(&bmp[28]) << " width "
                                              << LoadU32(&bmp[18]) << " first " << int(steps[0]);
  // Malformed and compressed images are not opened: nothing is read outside the data.
  const Bytes good = sample(24, 5, 4), eight = sample(8, 2, 2);
  auto patched = [](Bytes bmp, size_t at, uint32_t value) {
    test::PatchU32(bmp, 14 + at, value);
    return bmp;
  };
  // Cut short; an image size smaller than the rows it implies; a width or a colour
  // count beyond the data; run-length compression; masks on 8 bits.
  const Bytes refused[] = {{},
                           Bytes(good.begin(), good.begin() + 2),
                           Bytes(good.begin(), good.begin() + 30),
                           Bytes(good.begin(), good.begin() + 54),
                           Bytes(good.begin(), good.end() - 1),
                           patched(good, 20, 8),
                           patched(good, 4, 0x40000000),
                           patched(eight, 32, 0x10000000),
                           patched(eight, 16, BI_RLE8),
                           sample(8, 2, 2, BI_BITFIELDS)};
  for (const Bytes& bmp : refused) {
    auto opened = ReadPixelImage(bmp);
    EXPECT_FALSE(opened.image) << bmp.size();
    EXPECT_EQ(opened.error, PixelImageError::Unreadable) << bmp.size();
  }
}

TEST(PictureTransforms, PalettePicturesKeepTheirDepthAndExactColours) {
  const std::vector<uint32_t> palette = {0x123456, 0xFEDCBA, 0x0F0F0F, 0xA0B0C0};
  for (uint16_t bits : {4, 8}) {
    const Bytes bmp = BmpOf(4, 3, bits, palette, {0, 1, 2, 3, 3, 2, 1, 0, 1, 1, 2, 2});
    for (int mode = 0; mode < kPictureTransformCount; ++mode) {
      const Bytes out = Transformed(bmp, {static_cast<PictureTransform>(mode)});
      auto layout = ParseBmpImage(out);
      ASSERT_TRUE(layout);
      EXPECT_EQ(layout->bitCount, bits) << mode;
      EXPECT_EQ(layout->paletteEntries, palette.size()) << mode;
      for (uint32_t c : DecodeBmp(out).value_or(Bitmap32{}).pixels)
        EXPECT_NE(std::find(palette.begin(), palette.end(), mode == 5 ? ~c & 0xFFFFFF : c),
                  palette.end())
            << "mode " << mode << " made colour " << std::hex << c;
    }
  }
}

struct PictureCommands : ::testing::Test {
  SimClipboard clipboard;
  SimMetafileRenderer renderer;
  test::TempFolder folder;
  Bitmap32 picture = test::Picture(15, 11);
  Bytes bmp = EncodeBmp(picture, 24), emf = MakeTestEmf(30, 20, Bytes{9, 9, 9, 9});
  Bytes Saved(ByteView stream, PictWriter writer, const char* name) {
    EXPECT_EQ(SavePictureFile(stream, writer, folder / name, renderer), SaveOutcome::Saved) << name;
    return ReadWholeFile(folder / name).value_or(Bytes{});
  }
};

TEST_F(PictureCommands, TransformKeepsTheTextFormatsAndDropsEmbedSourceInAnyCase) {
  const uint32_t upper = clipboard.RegisterFormat("EMBED SOURCE");
  const uint32_t mixed = clipboard.RegisterFormat("Embed Source");
  const uint32_t rtf = clipboard.RegisterFormat("Rich Text Format");
  const Bytes stream = Stream({{CF_TEXT, Ansi("caption")},
                               {upper, Bytes{1, 2}},
                               {rtf, Ansi("{\\rtf1 caption}")},
                               {mixed, Bytes{3}},
                               {CF_UNICODETEXT, test::Wide(u"caption")}},
                              bmp, emf);
  ASSERT_EQ(TransformPicture(clipboard, renderer, stream, RotateHalf), TransformOutcome::Done);
  auto formats = clipboard.Formats();
  for (uint32_t gone : {upper, mixed, uint32_t{CF_ENHMETAFILE}})
    EXPECT_EQ(std::count(formats.begin(), formats.end(), gone), 0) << gone;
  EXPECT_EQ(clipboard.Data(CF_TEXT), Ansi("caption"));
  EXPECT_EQ(clipboard.Data(rtf), Ansi("{\\rtf1 caption}"));
  std::reverse(picture.pixels.begin(), picture.pixels.end());
  EXPECT_EQ(clipboard.Bitmap(), picture) << "the bitmap part is used, not the metafile";
  EXPECT_EQ(renderer.renders, 0);
  // A palette picture reaches the clipboard in its own depth.
  const Bytes palette = test::BmpOf(2, 2, 8, {0x112233, 0x445566}, {0, 1, 1, 1});
  ASSERT_EQ(TransformPicture(clipboard, renderer, Stream({}, palette), FlipVertical),
            TransformOutcome::Done);
  Bytes written;
  ASSERT_TRUE(clipboard.AppendBitmapImage(written));
  EXPECT_EQ(ParseBmpImage(written)->bitCount, 8);
  EXPECT_EQ(clipboard.Bitmap()->pixels,
            (std::vector<uint32_t>{0x445566, 0x112233, 0x445566, 0x445566}));
}

TEST_F(PictureCommands, TransformFailuresLeaveTheClipboardAlone) {
  clipboard.SetByOther({{CF_TEXT, Ansi("before")}});
  const uint32_t before = clipboard.SequenceNumber();
  // A 1-bit picture just over the pixel limit (8200 x 8200), with all its data present.
  const uint32_t side = 8200, stride = (side + 31) / 32 * 4;
  Bytes huge = test::BmpOf(1, 1, 1, {0, 0xFFFFFF}, {0}), rle = bmp;
  for (auto [at, value] : {std::pair{4u, side}, {8u, side}, {20u, stride * side}})
    test::PatchU32(huge, 14 + at, value);
  huge.resize(huge.size() - 4 + stride * side);
  test::PatchU32(rle, 14 + 16, BI_RLE8);
  const std::pair<Bytes, TransformOutcome> cases[] = {
      {Stream({{CF_TEXT, Ansi("t")}}), TransformOutcome::NoPicture},
      {Bytes{}, TransformOutcome::NoPicture},
      {Stream({}, {}, Bytes(40, 0)), TransformOutcome::NoPicture},  // an unusable metafile
      {Stream({}, rle), TransformOutcome::Unreadable},
      {Stream({}, huge), TransformOutcome::TooLarge}};
  for (const auto& [stream, outcome] : cases) {
    EXPECT_EQ(TransformPicture(clipboard, renderer, stream, RotateRight), outcome) << stream.size();
    EXPECT_EQ(clipboard.SequenceNumber(), before) << stream.size();
  }
  clipboard.refuseAllOpens = true;
  EXPECT_EQ(TransformPicture(clipboard, renderer, Stream({}, bmp), RotateHalf),
            TransformOutcome::ClipboardBusy);
  EXPECT_EQ(clipboard.Data(CF_TEXT), Ansi("before"));
  // A clipboard held only for a moment (another program reading it) is waited for.
  clipboard.refuseAllOpens = false;
  clipboard.refuseOpens = 3;
  EXPECT_EQ(TransformPicture(clipboard, renderer, Stream({}, bmp), RotateHalf),
            TransformOutcome::Done);
  EXPECT_FALSE(clipboard.Data(CF_TEXT));
}

// The bitmap part when there is one, else the metafile drawn, for the
// transforms and every writer; each file read back by an independent decoder.
TEST_F(PictureCommands, EachWriterMakesAFileItsDecoderReads) {
  const Bitmap32 drawn = *renderer.Render(emf);
  const std::pair<Bytes, Bitmap32> sources[] = {{Stream({{CF_TEXT, Ansi("t")}}, bmp, emf), picture},
                                                {Stream({}, {}, emf), drawn}};
  for (const auto& [stream, want] : sources) {
    EXPECT_EQ(DecodeBmp(Saved(stream, PictWriter::Bmp, "a.bmp")), want);
    test::DecodedJpeg jpeg = test::DecodeJpeg(Saved(stream, PictWriter::Jpeg, "a.jpg"));
    EXPECT_TRUE(jpeg.ok && jpeg.progressive);
    EXPECT_EQ(jpeg.width, want.width);
    EXPECT_EQ(jpeg.height, want.height);
    int colours = 0;
    EXPECT_EQ(test::DecodeGif(Saved(stream, PictWriter::Gif, "a.gif"), &colours), want);
    EXPECT_LE(colours, 256);
    EXPECT_EQ(Saved(stream, PictWriter::Emf, "a.emf"), emf);
    const Bytes wmf = Saved(stream, PictWriter::Wmf, "a.wmf");
    EXPECT_EQ(wmf.size() >= 4 ? LoadU32(wmf.data()) : 0, kPlaceableKey);
    ASSERT_EQ(TransformPicture(clipboard, renderer, stream, InvertColors), TransformOutcome::Done);
    Bitmap32 inverted = want;
    for (uint32_t& p : inverted.pixels) p = ~p & 0xFFFFFF;
    EXPECT_EQ(clipboard.Bitmap(), inverted);
  }
  EXPECT_EQ(Saved(Stream({}, bmp), PictWriter::Bmp, "a.bmp"), bmp) << "as stored";
  EXPECT_EQ(folder.FileCount(), 5u) << "no temporary file is left beside them";
}

TEST_F(PictureCommands, SaveFailuresLeaveNoFileAndKeepAnOldOne) {
  const Bytes old = Ansi("old");
  WriteWholeFile(folder / "keep.gif", old);
  Bytes rle = bmp;
  test::PatchU32(rle, 14 + 16, BI_RLE8);
  const std::tuple<Bytes, PictWriter, SaveOutcome> cases[] = {
      {Stream({{CF_TEXT, Ansi("t")}}), PictWriter::Gif, SaveOutcome::NoPicture},
      {Stream({}, bmp), PictWriter::Wmf, SaveOutcome::NoPicture},  // no metafile
      {Stream({}, rle), PictWriter::Gif, SaveOutcome::Unreadable},
      {Stream({}, {}, Bytes(48, 1)), PictWriter::Emf, SaveOutcome::Unreadable}};
  for (const auto& [stream, writer, outcome] : cases) {
    EXPECT_EQ(SavePictureFile(stream, writer, folder / "keep.gif", renderer), outcome);
    EXPECT_EQ(ReadWholeFile(folder / "keep.gif"), old);
  }
  EXPECT_EQ(SavePictureFile(Stream({}, bmp), PictWriter::Bmp, folder / "no" / "a.bmp", renderer),
            SaveOutcome::WriteFailed);
  EXPECT_EQ(folder.FileCount(), 1u);
}

// PNG: the stored file itself when the slot holds one that decodes (without
// the clipboard block's padding), else the picture encoded, alpha and all.
TEST_F(PictureCommands, SavingAsPngReadsBackTheSamePixels) {
  const uint32_t png = clipboard.RegisterFormat("PNG");
  const auto names = [this](uint32_t id) { return GetFormatName(clipboard, id); };
  auto savedPng = [&](const Bytes& stream, bool withNames = true) {
    EXPECT_EQ(SavePictureFile(stream, PictWriter::Png, folder / "a.png", renderer,
                              withNames ? PictureFormatNames(names) : PictureFormatNames{}),
              SaveOutcome::Saved);
    return ReadWholeFile(folder / "a.png").value_or(Bytes{});
  };
  test::PngSpec spec{4, 3, 6, 16, true, {}, {}, {}};
  for (uint32_t i = 0; i < 12; ++i) spec.pixels.push_back(i * 0x15111111u);
  const Bytes original = test::PngFile(spec);
  Bytes padded = original;
  padded.resize(original.size() + 7);
  EXPECT_EQ(savedPng(Stream({{png, padded}}, bmp)), original);
  Bytes damaged = original;
  damaged[40] ^= 0xFF;
  Bitmap32 translucent = picture;
  for (size_t i = 0; i < translucent.pixels.size(); ++i)
    translucent.pixels[i] |= static_cast<uint32_t>(i * 3) << 24;
  const Bitmap32 drawn = *renderer.Render(emf);
  const std::tuple<const char*, Bytes, bool, AlphaBitmap> cases[] = {
      {"24-bit", Stream({{CF_TEXT, Ansi("t")}}, bmp), true, {picture, false}},
      {"32-bit with alpha", Stream({}, EncodeBmp(translucent, 32)), true, {translucent, true}},
      {"a damaged PNG beside the bitmap", Stream({{png, damaged}}, bmp), true, {picture, false}},
      {"no names to find the PNG", Stream({{png, original}}, bmp), false, {picture, false}},
      {"metafile only", Stream({}, {}, emf), true, {drawn, false}},
  };
  for (const auto& [name, stream, withNames, want] : cases) {
    SCOPED_TRACE(name);
    auto read = DecodePng(savedPng(stream, withNames));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->hasAlpha, want.hasAlpha);
    EXPECT_EQ(read->bitmap, want.bitmap);
  }
  EXPECT_EQ(SavePictureFile(Stream({{png, original}}), PictWriter::Png, folder / "b.png", renderer,
                            names),
            SaveOutcome::Saved)
      << "the PNG alone is enough";
}

TEST(SavePict, FilterAndTheNameWritten) {
  const std::string images =
      "Bitmap (*.bmp)|*.bmp|JPEG (*.jpg, *.jpeg)|*.jpg; *.jpeg|GIF (*.gif)|*.gif";
  const std::string png = "|PNG (*.png)|*.png";
  EXPECT_EQ(SavePictFilter(false), images + png);
  EXPECT_EQ(SavePictFilter(true), images + "|Metafile (*.emf, *.wmf)|*.emf; *.wmf" + png);
  const std::pair<const char*, const char*> extensions[] = {
      {"pic.JPEG", ".jpeg"}, {"a.b.Gif", ".gif"}, {"notes", ""},         {"C:\\my.dir\\pic", ""},
      {"dir.x/pic", ""},     {"pic.", "."},       {"C:pic.Bmp", ".bmp"}, {"C:\\a\\.wmf", ".wmf"}};
  for (auto [name, ext] : extensions) EXPECT_EQ(LowerExtension(name), ext) << name;
  // A typed extension picks the format, else the dialog's entry (the first one
  // when the filter does not offer it) does and its extension is appended; the
  // metafile extensions only count with a metafile. PNG is the last entry:
  // the fourth without a metafile, the fifth with one.
  using enum PictWriter;
  using C = PictChoice;
  const std::tuple<const char*, int, bool, const char*, PictChoice, PictWriter> cases[] = {
      {"pic", 1, false, "pic.bmp", C::Bitmap, Bmp},
      {"pic", 2, false, "pic.jpg", C::Jpeg, Jpeg},
      {"pic", 3, false, "pic.gif", C::Gif, Gif},
      {"pic", 4, true, "pic.emf", C::Metafile, Emf},
      {"pic", 4, false, "pic.png", C::Png, Png},
      {"pic", 5, true, "pic.png", C::Png, Png},
      {"pic.jpeg", 1, false, "pic.jpeg", C::Jpeg, Jpeg},
      {"pic.JPG", 3, true, "pic.JPG", C::Jpeg, Jpeg},
      {"pic.gif", 1, false, "pic.gif", C::Gif, Gif},
      {"pic.Bmp", 4, true, "pic.Bmp", C::Bitmap, Bmp},
      {"pic.wmf", 1, true, "pic.wmf", C::Metafile, Wmf},
      {"pic.WMF", 4, true, "pic.WMF", C::Metafile, Wmf},
      {"pic.emf", 2, true, "pic.emf", C::Metafile, Emf},
      {"pic.emf", 2, false, "pic.emf.jpg", C::Jpeg, Jpeg},
      {"pic.wmf", 1, false, "pic.wmf.bmp", C::Bitmap, Bmp},
      {"pic.PNG", 3, false, "pic.PNG", C::Png, Png},
      {"pic.png", 1, true, "pic.png", C::Png, Png},
      {"pic.png.gif", 5, true, "pic.png.gif", C::Gif, Gif},
      {"my.pics\\shot", 2, false, "my.pics\\shot.jpg", C::Jpeg, Jpeg},
      {"a.", 4, true, "a..emf", C::Metafile, Emf},
      {"pic", 0, true, "pic.bmp", C::Bitmap, Bmp},
      {"pic", 5, false, "pic.bmp", C::Bitmap, Bmp},
      {"pic", 6, true, "pic.bmp", C::Bitmap, Bmp}};
  for (const auto& [chosen, dialogIndex, metafile, written, choice, writer] : cases) {
    const SavePictPlan plan = PlanSavePict(chosen, dialogIndex, metafile);
    EXPECT_EQ(plan.fileName, written) << chosen << " index " << dialogIndex;
    EXPECT_EQ(plan.choice, choice) << chosen << " index " << dialogIndex;
    EXPECT_EQ(plan.writer, writer) << chosen << " index " << dialogIndex;
    EXPECT_EQ(PlanSavePict(written, dialogIndex, metafile).fileName, written) << "planned again";
  }
}

}  // namespace
}  // namespace qv
