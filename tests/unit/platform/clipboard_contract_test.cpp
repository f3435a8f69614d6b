#include "platform/clipboard_contract.h"

#include <algorithm>

#include "codecs/bmp.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/format_names.h"
#include "snapshot/slot_stream.h"
#include "test_support.h"
#include "util/codepage.h"

namespace qv::test {

std::optional<Bytes> ReadFormat(Clipboard& clipboard, uint32_t id) {
  ClipboardSession session(clipboard);
  auto block = session.IsOpen() ? clipboard.LockFormat(id) : nullptr;
  if (!block) return std::nullopt;
  return Bytes(block->View().begin(), block->View().end());
}

bool SetBitmapImage(Clipboard& clipboard, ByteView bmpFile) {
  ClipboardSession session(clipboard);
  return session.IsOpen() && clipboard.Empty() && clipboard.SetBitmapImage(bmpFile);
}

std::vector<BmpVariant> BmpVariants() {
  const Bitmap32 picture = Picture(9, 4);
  auto withOffsetField = [&](uint32_t offset) {
    Bytes file = EncodeBmp(picture, 24);
    PatchU32(file, 10, offset);
    return file;
  };
  // 6 x 3, 8 bits, four colours: pixel (x, y) has colour (x + y) % 4.
  const std::vector<uint32_t> colours = {0x102030, 0xFF0000, 0x00C000, 0xFFFFFF};
  std::vector<uint32_t> indices;
  Bitmap32 paletted{6, 3, {}};
  for (uint32_t i = 0; i < 18; ++i) {
    indices.push_back((i % 6 + i / 6) % 4);
    paletted.pixels.push_back(colours[indices.back()]);
  }
  return {{"24 bits", EncodeBmp(picture, 24), picture},
          {"32 bits", EncodeBmp(picture, 32), picture},
          {"top-down", BmpOf(9, -4, 32, {}, picture.pixels), picture},
          {"offset field 0", withOffsetField(0), picture},
          {"offset field 58", withOffsetField(58), picture},
          {"8 bits with colours", BmpOf(6, 3, 8, colours, indices), paletted}};
}

namespace {

std::optional<Bitmap32> DecodeDib(ByteView dib) {
  Bytes file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // the headers say where things are
  file.insert(file.end(), dib.begin(), dib.end());
  return DecodeBmp(file);
}

TEST_P(ClipboardContract, AnotherProgramsFormatsAreCapturedAndRestoredByteForByte) {
  const std::u16string text = u"Grüße – Привет – 日本語 – 😀";
  const std::vector<std::string> files = {"C:\\Quorvane Test\\first file.txt",
                                          "C:\\Quorvane Test\\zweite Datei ä.txt"};
  const Bitmap32 picture = Picture(7, 5);  // 21 bytes a row: every row carries padding
  const uint32_t privateId = clipboard().RegisterFormat("Quorvane Test Binary");
  Bytes binary(300);  // zeros inside the data
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<uint8_t>(i);
  const std::vector<ClipFormat> written = {
      {CF_UNICODETEXT, Wide(text)}, {privateId, binary}, {CF_HDROP, DropList(files)}};
  std::vector<ClipFormat> all = written;
  all.push_back({CF_DIB, Dib(picture)});
  under->SetByOther(all);

  const uint32_t sequence = clipboard().SequenceNumber();
  const Bytes captured = CaptureClipboard(clipboard());
  EXPECT_EQ(clipboard().SequenceNumber(), sequence) << "reading changes nothing";
  ASSERT_TRUE(ValidateSlotData(captured));
  const SlotStreamView view = *ParseSlotStream(captured);
  std::vector<uint32_t> ids;
  for (const FormatRecord& rec : view.records) {
    ids.push_back(rec.id);
    EXPECT_FALSE(IsBitmapFormat(rec.id) || IsMetafileFormat(rec.id)) << "picture " << rec.id;
    for (const ClipFormat& f : written) {
      // The system may round a block up: what was written is a prefix.
      EXPECT_TRUE(f.id != rec.id || (rec.data.size() >= f.bytes.size() &&
                                     std::equal(f.bytes.begin(), f.bytes.end(), rec.data.begin())))
          << f.id;
    }
  }
  for (uint32_t id : {uint32_t{CF_UNICODETEXT}, privateId, uint32_t{CF_HDROP}, uint32_t{CF_TEXT},
                      uint32_t{CF_OEMTEXT}, uint32_t{CF_LOCALE}})
    EXPECT_EQ(std::count(ids.begin(), ids.end(), id), 1) << "format " << id;
  EXPECT_TRUE(view.header.hasBitmap == 1 && view.header.hasMetafile == 0);
  EXPECT_EQ(DecodeBmp(view.bitmap), picture);
  EXPECT_EQ(ReadFormatTextUtf8(captured, CF_UNICODETEXT), Utf16ToUtf8(text));
  EXPECT_EQ(ReadFileList(captured), files);
  EXPECT_EQ(CaptureClipboard(clipboard()), captured) << "an unchanged clipboard, the same stream";

  EmptyTheClipboard(clipboard());
  EXPECT_TRUE(EnumerateClipboardFormats(clipboard()).empty());
  ASSERT_TRUE(RestoreToClipboard(clipboard(), captured));
  EXPECT_NE(clipboard().SequenceNumber(), sequence);
  for (const FormatRecord& rec : view.records)
    EXPECT_EQ(ReadFormat(clipboard(), rec.id), Bytes(rec.data.begin(), rec.data.end())) << rec.id;
  auto dib = ReadFormat(clipboard(), CF_DIB);
  ASSERT_TRUE(dib) << "CF_DIB is synthesised from the restored bitmap";
  EXPECT_EQ(DecodeDib(*dib), picture);
}

TEST_P(ClipboardContract, BitmapImagesKeepTheirPixels) {
  for (const BmpVariant& v : BmpVariants()) {
    SCOPED_TRACE(v.name);
    ASSERT_TRUE(SetBitmapImage(clipboard(), v.file));
    Bytes image = {0xAB};  // what was there before stays
    ASSERT_TRUE(clipboard().AppendBitmapImage(image));
    EXPECT_EQ(image[0], 0xAB);
    EXPECT_EQ(DecodeBmp(ByteView(image).subspan(1)), v.pixels);
    EXPECT_EQ(DecodeDib(ReadFormat(clipboard(), CF_DIB).value_or(Bytes{})), v.pixels);
  }
  ClipboardSession session(clipboard());
  ASSERT_TRUE(session.IsOpen());
  const uint32_t gdi[] = {CF_BITMAP, CF_PALETTE, 0x0300 /* CF_GDIOBJFIRST */, CF_TEXT /* absent */};
  for (uint32_t id : gdi) EXPECT_EQ(clipboard().LockFormat(id), nullptr) << "not memory: " << id;
  auto dib = clipboard().LockFormat(CF_DIB);
  ASSERT_NE(dib, nullptr) << "the synthesised CF_DIB is global memory";
  EXPECT_GE(dib->View().size(), 40u);
}

TEST_P(ClipboardContract, MalformedPicturesAreRefusedAndNothingIsLeft) {
  const Bytes good = EncodeBmp(Picture(5, 5));
  const Bytes refused[] = {Bytes(good.begin(), good.end() - 7), {'B', 'M', 1, 2, 3, 4, 5}, {}};
  {
    ClipboardSession session(clipboard());
    ASSERT_TRUE(session.IsOpen() && clipboard().Empty());
    for (const Bytes& bmp : refused) EXPECT_FALSE(clipboard().SetBitmapImage(bmp)) << bmp.size();
  }
  EXPECT_TRUE(EnumerateClipboardFormats(clipboard()).empty());
  Bytes out = {1, 2, 3};
  EXPECT_FALSE(clipboard().AppendBitmapImage(out) || clipboard().AppendEnhMetafile(out));
  EXPECT_EQ(out, (Bytes{1, 2, 3}));
}

TEST_P(ClipboardContract, MetafilesComeBackBitForBit) {
  const Bytes bits = MakeTestEmf(20, 10, Bytes{1, 2, 3});
  {
    ClipboardSession session(clipboard());
    ASSERT_TRUE(session.IsOpen() && clipboard().Empty() && clipboard().SetEnhMetafile(bits));
    EXPECT_EQ(clipboard().LockFormat(CF_ENHMETAFILE), nullptr);
  }
  Bytes out = {0x5A}, none = {7};
  ASSERT_TRUE(clipboard().AppendEnhMetafile(out));
  EXPECT_TRUE(out.size() == 1 + bits.size() && out[0] == 0x5A &&
              std::equal(bits.begin(), bits.end(), out.begin() + 1));
  EXPECT_FALSE(clipboard().AppendBitmapImage(none)) << "a metafile is no bitmap";
  EXPECT_EQ(none, Bytes{7});

  const Bytes captured = CaptureClipboard(clipboard());
  const SlotStreamView view = *ParseSlotStream(captured);
  EXPECT_EQ(view.header.hasMetafile, 1);
  EXPECT_TRUE(std::ranges::equal(view.metafile, bits));
  for (const FormatRecord& rec : view.records) EXPECT_FALSE(IsMetafileFormat(rec.id)) << rec.id;
  EmptyTheClipboard(clipboard());
  ASSERT_TRUE(RestoreToClipboard(clipboard(), captured));
  Bytes restored;
  ASSERT_TRUE(clipboard().AppendEnhMetafile(restored));
  EXPECT_EQ(restored, bits);
}

TEST_P(ClipboardContract, RegisteredNamesAndTheOwnersText) {
  std::string longName = "Quorvane format name of seventy characters ";
  while (longName.size() < 70) longName.push_back(static_cast<char>('a' + longName.size() % 26));
  const uint32_t id = clipboard().RegisterFormat(longName);
  EXPECT_GE(id, 0xC000u);
  EXPECT_EQ(clipboard().RegisteredName(id), longName.substr(0, 59)) << "cut to 59 characters";
  const std::string wide = "Quorvane Förmat – 日本";
  const uint32_t wideId = clipboard().RegisterFormat(wide);
  EXPECT_NE(wideId, id);
  EXPECT_EQ(clipboard().RegisteredName(wideId), wide);
  EXPECT_EQ(clipboard().RegisterFormat(wide), wideId) << "registering again, the same id";
  EXPECT_EQ(clipboard().RegisteredName(CF_TEXT), std::nullopt);
  // The program's own text makes it the owner.
  PutTextOnClipboard(clipboard(), u"owned €");
  EXPECT_TRUE(under->OwnedByProgram());
  EXPECT_EQ(ReadFormat(clipboard(), CF_UNICODETEXT), Wide(u"owned €"));
}

class SimUnderTest : public ClipboardUnderTest {
 public:
  Clipboard& Get() override { return clipboard_; }
  void SetByOther(const std::vector<ClipFormat>& formats) override {
    std::vector<SimClipboard::Item> items;
    for (const ClipFormat& f : formats) items.push_back({f.id, f.bytes});
    clipboard_.SetByOther(items);
  }
  bool OwnedByProgram() override { return clipboard_.LastOpenHadOwner(); }

 private:
  SimClipboard clipboard_;
};

INSTANTIATE_TEST_SUITE_P(InMemory, ClipboardContract,
                         ::testing::Values(ClipboardMaker{
                             "Sim", [] { return std::make_unique<SimUnderTest>(); }}),
                         MakerName);

}  // namespace
}  // namespace qv::test
