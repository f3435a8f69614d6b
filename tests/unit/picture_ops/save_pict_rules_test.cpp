#include "picture_ops/save_pict_rules.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(SavePictFilter, OffersTheMetafileEntryOnlyWithAMetafile) {
  EXPECT_EQ(SavePictFilter(false),
            "Bitmap (*.bmp)|*.bmp|JPEG (*.jpg, *.jpeg)|*.jpg; *.jpeg|GIF (*.gif)|*.gif");
  EXPECT_EQ(SavePictFilter(true),
            "Bitmap (*.bmp)|*.bmp|JPEG (*.jpg, *.jpeg)|*.jpg; *.jpeg|GIF (*.gif)|*.gif"
            "|Metafile (*.emf, *.wmf)|*.emf; *.wmf");
}

TEST(LowerExtension, TakesTheLastDotOfTheFileNameOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"pic.JPEG", ".jpeg"}, {"a.b.Gif", ".gif"}, {"notes", ""},         {"C:\\my.dir\\pic", ""},
      {"dir.x/pic", ""},     {"pic.", "."},       {"C:pic.Bmp", ".bmp"}, {"C:\\a\\.wmf", ".wmf"},
  };
  for (auto [name, ext] : cases) EXPECT_EQ(LowerExtension(name), ext) << name;
}

struct PlanCase {
  const char* chosen;
  int dialogIndex;
  bool hasMetafile;
  const char* written;  // the name to ask about and write
  int index;
  PictWriter writer;
};

TEST(PlanSavePict, TypedExtensionsPickTheFormatAndMissingOnesAreAppended) {
  using enum PictWriter;
  const PlanCase cases[] = {
      // The dialog's index with no extension typed.
      {"pic", 1, false, "pic.bmp", 1, Bmp},
      {"pic", 2, false, "pic.jpg", 2, Jpeg},
      {"pic", 3, false, "pic.gif", 3, Gif},
      {"pic", 4, true, "pic.emf", 4, Emf},
      // A typed extension wins over the index.
      {"pic.jpeg", 1, false, "pic.jpeg", 2, Jpeg},
      {"pic.JPG", 3, true, "pic.JPG", 2, Jpeg},
      {"pic.gif", 1, false, "pic.gif", 3, Gif},
      {"pic.Bmp", 4, true, "pic.Bmp", 1, Bmp},
      {"pic.wmf", 1, true, "pic.wmf", 4, Wmf},
      {"pic.WMF", 4, true, "pic.WMF", 4, Wmf},
      {"pic.emf", 2, true, "pic.emf", 4, Emf},
      // Metafile extensions without a metafile keep the index.
      {"pic.emf", 2, false, "pic.emf.jpg", 2, Jpeg},
      {"pic.wmf", 1, false, "pic.wmf.bmp", 1, Bmp},
      // Other extensions keep the index and get its extension.
      {"pic.png", 3, false, "pic.png.gif", 3, Gif},
      {"my.pics\\shot", 2, false, "my.pics\\shot.jpg", 2, Jpeg},
      // An index the filter does not offer is the first one.
      {"pic", 4, false, "pic.bmp", 1, Bmp},
      {"pic", 0, true, "pic.bmp", 1, Bmp},
  };
  for (const PlanCase& c : cases) {
    SavePictPlan plan = PlanSavePict(c.chosen, c.dialogIndex, c.hasMetafile);
    EXPECT_EQ(plan.fileName, c.written) << c.chosen << " index " << c.dialogIndex;
    EXPECT_EQ(plan.filterIndex, c.index) << c.chosen << " index " << c.dialogIndex;
    EXPECT_EQ(plan.writer, c.writer) << c.chosen << " index " << c.dialogIndex;
    EXPECT_EQ(SavePictFilterIndex(c.chosen, c.dialogIndex, c.hasMetafile), c.index);
  }
}

TEST(PlanSavePict, TheWrittenNameAlwaysCarriesAnExtensionOfItsWriter) {
  const char* names[] = {"a", "a.bmp", "a.jpg", "a.jpeg", "a.gif", "a.emf", "a.wmf", "a.txt", "a."};
  for (const char* name : names)
    for (int index = 0; index <= 5; ++index)
      for (bool metafile : {false, true}) {
        SavePictPlan plan = PlanSavePict(name, index, metafile);
        std::string ext = LowerExtension(plan.fileName);
        bool fits = false;
        switch (plan.writer) {
          case PictWriter::Bmp:
            fits = ext == ".bmp";
            break;
          case PictWriter::Jpeg:
            fits = ext == ".jpg" || ext == ".jpeg";
            break;
          case PictWriter::Gif:
            fits = ext == ".gif";
            break;
          case PictWriter::Emf:
            fits = ext == ".emf";
            break;
          case PictWriter::Wmf:
            fits = ext == ".wmf";
            break;
        }
        EXPECT_TRUE(fits) << name << " " << index << " gave " << plan.fileName;
        EXPECT_EQ(plan.fileName.rfind(name, 0), 0u) << "the typed name is kept as a prefix";
        EXPECT_TRUE(metafile || (plan.writer != PictWriter::Emf && plan.writer != PictWriter::Wmf));
        EXPECT_EQ(PlanSavePict(plan.fileName, index, metafile).fileName, plan.fileName)
            << "planning the written name again changes nothing";
      }
}

}  // namespace
}  // namespace qv
