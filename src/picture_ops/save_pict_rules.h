#pragma once
// The rules of "Save as an &image...": the dialog's filter, which file name
// and which writer a choice in the dialog leads to.
#include <string>
#include <string_view>

#include "util/file_extension.h"

namespace qv {

enum class PictWriter { Bmp, Jpeg, Gif, Emf, Wmf };

// Filter indexes of the save dialog (1-based, as the dialog counts).
inline constexpr int kPictFilterBitmap = 1;
inline constexpr int kPictFilterJpeg = 2;
inline constexpr int kPictFilterGif = 3;
inline constexpr int kPictFilterMetafile = 4;

// The shell's message when the file cannot be written; %s is the file name.
inline constexpr const char* kUnableToWriteText = "Unable to write to %s";

// "Bitmap (*.bmp)|*.bmp|JPEG ...|GIF ..." and the metafile entry only when
// the picture includes a metafile.
std::string SavePictFilter(bool hasMetafile);

// The extension (without the dot) appended for a filter index when the name
// lacks one of the index's own: "bmp", "jpg", "gif", "emf".
std::string_view SavePictDefaultExtension(int filterIndex);

// The filter index a typed extension selects: ".bmp" 1, ".jpg"/".jpeg" 2,
// ".gif" 3, ".emf"/".wmf" 4 when the picture has a metafile; any other
// extension keeps the dialog's index. An index outside the filter is taken as 1.
int SavePictFilterIndex(std::string_view fileName, int dialogIndex, bool hasMetafile);

struct SavePictPlan {
  std::string fileName;  // the name that will be written: ask about overwriting this one
  int filterIndex = kPictFilterBitmap;
  PictWriter writer = PictWriter::Bmp;
};

// The file name with the index's extension appended unless it already has one
// of them, and the writer: a metafile name ending in ".wmf" is a placeable
// Windows metafile, any other an enhanced metafile.
SavePictPlan PlanSavePict(std::string_view chosenName, int dialogIndex, bool hasMetafile);

}  // namespace qv
