#pragma once
// The rules of "Save as an &image...": the dialog's filter, which file name
// and which writer a choice in the dialog leads to.
#include <string>
#include <string_view>
#include <vector>

#include "util/file_extension.h"

namespace qv {

enum class PictWriter { Bmp, Jpeg, Gif, Emf, Wmf, Png };

// The entries of the save dialog's filter. The metafile entry is offered only
// for a picture that includes a metafile, so an entry's number depends on the
// picture: a dialog's choice is mapped to its entry, never read as a number.
enum class PictChoice { Bitmap, Jpeg, Gif, Metafile, Png };

// The shell's message when the file cannot be written; %s is the file name.
inline constexpr const char* kUnableToWriteText = "Unable to write to %s";

// The entries in filter order: bitmap, JPEG, GIF, the metafile when the
// picture includes one, PNG.
std::vector<PictChoice> SavePictChoices(bool hasMetafile);

// "Bitmap (*.bmp)|*.bmp|JPEG ...|GIF ...", the metafile entry only when the
// picture includes a metafile, then "PNG (*.png)|*.png".
std::string SavePictFilter(bool hasMetafile);

// The extension (without the dot) appended for an entry when the name lacks
// one of the entry's own: "bmp", "jpg", "gif", "emf", "png".
std::string_view SavePictDefaultExtension(PictChoice choice);

// The entry a typed extension selects: ".bmp", ".jpg"/".jpeg", ".gif",
// ".png", ".emf"/".wmf" when the picture has a metafile; any other extension
// keeps the dialog's entry (its 1-based filter index). An index outside the
// filter is taken as the first entry.
PictChoice SavePictChoice(std::string_view fileName, int dialogIndex, bool hasMetafile);

struct SavePictPlan {
  std::string fileName;  // the name that will be written: ask about overwriting this one
  PictChoice choice = PictChoice::Bitmap;
  PictWriter writer = PictWriter::Bmp;
};

// The file name with the entry's extension appended unless it already has one
// of them, and the writer: a metafile name ending in ".wmf" is a placeable
// Windows metafile, any other an enhanced metafile.
SavePictPlan PlanSavePict(std::string_view chosenName, int dialogIndex, bool hasMetafile);

}  // namespace qv
