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
#include "util/le_io.h"

namespace qv::test {

std::optional<Bytes> ReadFormat(Clipboard& clipboard, uint32_t id) {
  ClipboardSession session(clipboard);
  if (!session.IsOpen()) return std::nullopt;
  auto block = clipboard.LockFormat(id);
  if (!block) return std::nullopt;
  return Bytes(block->View().begin(), block->View().end());
}

bool SetBitmapImage(Clipboard& clipboard, ByteView bmpFile) {
  ClipboardSession session(clipboard);
  return session.IsOpen() && clipboard.Empty() && clipboard.SetBitmapImage(bmpFile);
}

std::vector<BmpVariant> BmpVariants() {
  const Bitmap32 picture = Picture(9, 4);
  Bytes topDown = EncodeBmp(picture, 32);
  StoreU32(&topDown[22], static_cast<uint32_t>(-picture.height));
  const size_t stride = static_cast<size_t>(picture.width) * 4;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      StoreU32(&topDown[54 + y * stride + 4 * x], picture.at(x, y));
  auto withOffsetField = [&](uint32_t offset) {
    Bytes file = EncodeBmp(picture, 24);
    StoreU32(&file[10], offset);
    return file;
  };
  // 6 x 3, 8 bits, four colours: pixel (x, y) has colour (x + y) % 4.
  const uint32_t colours[4] = {0x102030, 0xFF0000, 0x00C000, 0xFFFFFF};
  Bitmap32 paletted{6, 3, {}};
  Bytes eight;
  PutU16(eight, 0x4D42);
  PutU32(eight, 54 + 16 + 8 * 3);
  PutU32(eight, 0);
  PutU32(eight, 54 + 16);
  for (uint32_t v : {40u, 6u, 3u}) PutU32(eight, v);
  PutU16(eight, 1);
  PutU16(eight, 8);
  for (uint32_t v : {0u, 8u * 3u, 0u, 0u, 4u, 0u}) PutU32(eight, v);
  for (uint32_t c : colours) PutU32(eight, c);
  for (int y = 2; y >= 0; --y)
    for (int x = 0; x < 8; ++x) PutU8(eight, static_cast<uint8_t>(x < 6 ? (x + y) % 4 : 0));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) paletted.pixels.push_back(colours[(x + y) % 4]);
  return {{"24 bits", EncodeBmp(picture, 24), picture},
          {"32 bits", EncodeBmp(picture, 32), picture},
          {"top-down", topDown, picture},
          {"offset field 0", withOffsetField(0), picture},
          {"offset field 58", withOffsetField(58), picture},
          {"8 bits with colours", eight, paletted}};
}

namespace {

std::optional<Bitmap32> DecodeDib(ByteView dib) {
  Bytes file;
  PutU16(file, 0x4D42);
  PutU32(file, static_cast<uint32_t>(14 + dib.size()));
  PutU32(file, 0);
  PutU32(file, 0);
  PutBytes(file, dib);
  return DecodeBmp(file);
}

const FormatRecord* Find(const SlotStreamView& view, uint32_t id) {
  for (const FormatRecord& rec : view.records)
    if (rec.id == id) return &rec;
  return nullptr;
}

TEST_P(ClipboardContract, AnotherProgramsFormatsAreCapturedAndRestoredByteForByte) {
  const std::u16string text = u"Grüße – Привет – 日本語 – 😀";
  const std::vector<std::string> files = {"C:\\Quorvane Test\\first file.txt",
                                          "C:\\Quorvane Test\\zweite Datei ä.txt"};
  const Bitmap32 picture = Picture(7, 5);  // 21 bytes a row: every row carries padding
  const uint32_t privateId = clipboard().RegisterFormat("Quorvane Test Binary");
  Bytes binary(300);  // zeros inside the data
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<uint8_t>(i);
  const std::vector<ClipFormat> written = {{CF_UNICODETEXT, Wide(text)},
                                           {privateId, binary},
                                           {CF_HDROP, DropList(files)},
                                           {CF_DIB, Dib(picture)}};
  under->SetByOther(written);

  const uint32_t sequence = clipboard().SequenceNumber();
  const Bytes captured = CaptureClipboard(clipboard());
  EXPECT_EQ(clipboard().SequenceNumber(), sequence) << "reading changes nothing";
  ASSERT_TRUE(ValidateSlotData(captured));
  const SlotStreamView view = *ParseSlotStream(captured);
  for (const ClipFormat& f : written) {
    if (f.id == CF_DIB) continue;
    const FormatRecord* rec = Find(view, f.id);
    ASSERT_NE(rec, nullptr) << "format " << f.id;
    // The system may round a block up: what was written is a prefix.
    ASSERT_GE(rec->data.size(), f.bytes.size()) << "format " << f.id;
    EXPECT_TRUE(std::equal(f.bytes.begin(), f.bytes.end(), rec->data.begin())) << f.id;
  }
  for (uint32_t synthesised : {CF_TEXT, CF_OEMTEXT, CF_LOCALE})
    EXPECT_NE(Find(view, synthesised), nullptr) << "format " << synthesised;
  for (const FormatRecord& rec : view.records)
    EXPECT_FALSE(IsBitmapFormat(rec.id) || IsMetafileFormat(rec.id)) << "picture " << rec.id;
  EXPECT_EQ(view.header.hasBitmap, 1);
  EXPECT_EQ(view.header.hasMetafile, 0);
  EXPECT_EQ(DecodeBmp(view.bitmap), picture);
  EXPECT_EQ(ReadFormatTextUtf8(captured, CF_UNICODETEXT), Utf16ToUtf8(text));
  EXPECT_EQ(ReadFileList(captured), files);
  EXPECT_EQ(CaptureClipboard(clipboard()), captured) << "an unchanged clipboard, the same stream";

  EmptyTheClipboard(clipboard());
  EXPECT_TRUE(EnumerateClipboardFormats(clipboard()).empty());
  ASSERT_TRUE(RestoreToClipboard(clipboard(), captured));
  EXPECT_NE(clipboard().SequenceNumber(), sequence);
  for (const FormatRecord& rec : view.records)
    EXPECT_EQ(ReadFormat(clipboard(), rec.id), Bytes(rec.data.begin(), rec.data.end()))
        << "format " << rec.id;
  auto dib = ReadFormat(clipboard(), CF_DIB);
  ASSERT_TRUE(dib) << "CF_DIB is synthesised from the restored bitmap";
  EXPECT_EQ(DecodeDib(*dib), picture);

  const Bytes again = CaptureClipboard(clipboard());
  const SlotStreamView againView = *ParseSlotStream(again);
  ASSERT_EQ(againView.records.size(), view.records.size());
  for (size_t i = 0; i < view.records.size(); ++i) {
    EXPECT_EQ(againView.records[i].id, view.records[i].id) << "record " << i;
    EXPECT_TRUE(std::ranges::equal(againView.records[i].data, view.records[i].data)) << i;
  }
  EXPECT_EQ(DecodeBmp(againView.bitmap), picture);
}

TEST_P(ClipboardContract, BitmapImagesKeepTheirPixels) {
  for (const BmpVariant& v : BmpVariants()) {
    SCOPED_TRACE(v.name);
    ASSERT_TRUE(SetBitmapImage(clipboard(), v.file));
    Bytes image = {0xAB};  // what was there before stays
    ASSERT_TRUE(clipboard().AppendBitmapImage(image));
    EXPECT_EQ(image[0], 0xAB);
    EXPECT_EQ(DecodeBmp(ByteView(image).subspan(1)), v.pixels);
    auto dib = ReadFormat(clipboard(), CF_DIB);
    ASSERT_TRUE(dib);
    EXPECT_EQ(DecodeDib(*dib), v.pixels);
  }
}

TEST_P(ClipboardContract, GdiObjectsAreNeverLockedAsMemory) {
  ASSERT_TRUE(SetBitmapImage(clipboard(), EncodeBmp(Picture(3, 3))));
  ClipboardSession session(clipboard());
  ASSERT_TRUE(session.IsOpen());
  const uint32_t gdi[] = {CF_BITMAP, CF_PALETTE, 0x0300 /* CF_GDIOBJFIRST */, CF_TEXT /* absent */};
  for (uint32_t id : gdi) EXPECT_EQ(clipboard().LockFormat(id), nullptr) << "format " << id;
  auto dib = clipboard().LockFormat(CF_DIB);
  ASSERT_NE(dib, nullptr) << "the synthesised CF_DIB is global memory";
  EXPECT_GE(dib->View().size(), 40u);
}

TEST_P(ClipboardContract, MalformedPicturesAreRefusedAndNothingIsLeft) {
  const Bytes good = EncodeBmp(Picture(5, 5));
  const Bytes refused[] = {Bytes(good.begin(), good.end() - 7), {'B', 'M', 1, 2, 3, 4, 5}, {}};
  {
    ClipboardSession session(clipboard());
    ASSERT_TRUE(session.IsOpen());
    ASSERT_TRUE(clipboard().Empty());
    for (const Bytes& bmp : refused) EXPECT_FALSE(clipboard().SetBitmapImage(bmp)) << bmp.size();
  }
  EXPECT_TRUE(EnumerateClipboardFormats(clipboard()).empty());
  Bytes out = {1, 2, 3};
  EXPECT_FALSE(clipboard().AppendBitmapImage(out));
  EXPECT_FALSE(clipboard().AppendEnhMetafile(out));
  EXPECT_EQ(out, (Bytes{1, 2, 3}));
}

TEST_P(ClipboardContract, MetafilesComeBackBitForBit) {
  const Bytes bits = MakeTestEmf(20, 10, Bytes{1, 2, 3});
  {
    ClipboardSession session(clipboard());
    ASSERT_TRUE(session.IsOpen());
    ASSERT_TRUE(clipboard().Empty());
    ASSERT_TRUE(clipboard().SetEnhMetafile(bits));
    EXPECT_EQ(clipboard().LockFormat(CF_ENHMETAFILE), nullptr);
  }
  Bytes out = {0x5A};
  ASSERT_TRUE(clipboard().AppendEnhMetafile(out));
  ASSERT_EQ(out.size(), 1 + bits.size());
  EXPECT_EQ(out[0], 0x5A);
  EXPECT_TRUE(std::equal(bits.begin(), bits.end(), out.begin() + 1));
  Bytes none = {7};
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

TEST_P(ClipboardContract, RegisteredNamesComeBackCutTo59Characters) {
  std::string longName = "Quorvane format name of seventy characters ";
  while (longName.size() < 70) longName.push_back(static_cast<char>('a' + longName.size() % 26));
  const uint32_t id = clipboard().RegisterFormat(longName);
  EXPECT_GE(id, 0xC000u);
  EXPECT_EQ(clipboard().RegisteredName(id), longName.substr(0, 59));
  const std::string wide = "Quorvane Förmat – 日本";
  const uint32_t wideId = clipboard().RegisterFormat(wide);
  EXPECT_NE(wideId, id);
  EXPECT_EQ(clipboard().RegisteredName(wideId), wide);
  EXPECT_EQ(clipboard().RegisterFormat(wide), wideId) << "registering again, the same id";
  EXPECT_EQ(clipboard().RegisteredName(CF_TEXT), std::nullopt);
}

TEST_P(ClipboardContract, TheProgramsOwnTextMakesItTheOwner) {
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
