#include <gtest/gtest.h>

#include "sim_fixture.h"
#include "util/file_io.h"

namespace qv {
namespace {

using Fixture = test::SimFixture;

TEST(TClipRec, LargeStreamsGoToADataFileInTheWorkFolder) {
  Fixture f;
  f.ctx.maxsize = 100 * 1024;
  TClipRec& small = f.CopyText(std::string(1000, 's'));
  EXPECT_FALSE(small.OnDisk);
  EXPECT_TRUE(small.Data.has_value());
  TClipRec& big = f.CopyText(std::string(60 * 1024, 'b'));  // four records: over 100 kB
  ASSERT_TRUE(big.OnDisk);
  EXPECT_FALSE(big.Data.has_value());
  EXPECT_EQ(big.FileName.parent_path(), f.root.path());
  EXPECT_EQ(big.FileName.extension(), ".dat");
  EXPECT_EQ(ReadWholeFile(big.FileName)->size(), big.Size);
  EXPECT_EQ(big.GetSnapshotData().size(), big.Size);

  f.ctx.write2disk = false;
  EXPECT_FALSE(f.CopyText(std::string(60 * 1024, 'c')).OnDisk);
}

TEST(TClipRec, MissingDataFileReadsAsEmpty) {
  Fixture f;
  f.ctx.maxsize = 0;
  TClipRec& r = f.CopyText("gone");
  ASSERT_TRUE(r.OnDisk);
  RemoveFile(r.FileName);
  EXPECT_TRUE(r.GetSnapshotData().empty());
}

TEST(TClipRec, UnwritableWorkFolderKeepsTheStreamInMemory) {
  Fixture f;
  f.ctx.maxsize = 0;
  f.ctx.workFolder = f.root.path() / "missing" / "deeper";
  TClipRec& r = f.CopyText("kept");
  EXPECT_FALSE(r.OnDisk);
  EXPECT_EQ(r.GetSnapshotData().size(), r.Size);
}

TEST(TClipRec, CopySnapshotSharesTheFileDuplicateCopiesIt) {
  Fixture f;
  f.ctx.maxsize = 0;
  TClipRec& source = f.CopyText("on disk");
  TClipRec shared, own;
  CopySnapshot(shared, source);
  EXPECT_EQ(shared.FileName, source.FileName);
  ASSERT_TRUE(DuplicateSnapshot(own, source, f.ctx));
  EXPECT_NE(own.FileName, source.FileName);
  EXPECT_EQ(own.GetSnapshotData(), source.GetSnapshotData());
  EXPECT_EQ(own.Kind, source.Kind);
  EXPECT_EQ(own.SizeText, source.SizeText);

  // Moving a record: release the source without deleting the shared file.
  f.slots.back().FreeSnapshotData(false);
  EXPECT_TRUE(FileExists(shared.FileName));
  shared.FreeSnapshotData(true);
  EXPECT_FALSE(FileExists(source.FileName));
  EXPECT_TRUE(FileExists(own.FileName));
}

TEST(TClipRec, CopyOfAMemorySlotIsIndependent) {
  Fixture f;
  TClipRec& source = f.CopyText("memory");
  TClipRec copy;
  CopySnapshot(copy, source);
  ASSERT_TRUE(copy.Data.has_value());
  EXPECT_EQ(*copy.Data, *source.Data);
  source.FreeSnapshotData(true);
  EXPECT_FALSE(source.Data.has_value());
  EXPECT_FALSE(copy.GetSnapshotData().empty());
}

TEST(TClipRec, ClearSnapshotResetsAttributes) {
  Fixture f;
  TClipRec& r = f.CopyText("x");
  r.ClearSnapshot();
  EXPECT_EQ(r.Kind, kKindEmpty);
  EXPECT_EQ(r.Size, 0u);
  EXPECT_FALSE(r.HasText);
  EXPECT_FALSE(r.OnDisk);
}

// The formats are the ones the capture enumerated, synthesised ones included,
// even when the clipboard changed since.
TEST(TClipRec, CurrentFormatsAreTheOnesTheCaptureSaw) {
  Fixture f;
  f.clipboard.SetByOther({{CF_UNICODETEXT, test::Wide(u"x")}});
  CapturedSnapshot captured = CaptureSnapshot(f.clipboard);
  f.clipboard.ClearByOther();
  TClipRec rec;
  rec.SetSnapshotData(std::move(captured.stream), std::move(captured.formats), f.ctx);
  EXPECT_EQ(f.ctx.CurrentFormats,
            (std::vector<uint32_t>{CF_UNICODETEXT, CF_LOCALE, CF_TEXT, CF_OEMTEXT}));
}

}  // namespace
}  // namespace qv
