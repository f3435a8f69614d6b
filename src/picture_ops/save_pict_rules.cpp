#include "picture_ops/save_pict_rules.h"

#include <cctype>

namespace qv {

std::string SavePictFilter(bool hasMetafile) {
  std::string filter = "Bitmap (*.bmp)|*.bmp|JPEG (*.jpg, *.jpeg)|*.jpg; *.jpeg|GIF (*.gif)|*.gif";
  if (hasMetafile) filter += "|Metafile (*.emf, *.wmf)|*.emf; *.wmf";
  return filter;
}

std::string_view SavePictDefaultExtension(int filterIndex) {
  switch (filterIndex) {
    case kPictFilterJpeg:
      return "jpg";
    case kPictFilterGif:
      return "gif";
    case kPictFilterMetafile:
      return "emf";
    default:
      return "bmp";
  }
}

int SavePictFilterIndex(std::string_view fileName, int dialogIndex, bool hasMetafile) {
  const int last = hasMetafile ? kPictFilterMetafile : kPictFilterGif;
  int index =
      dialogIndex >= kPictFilterBitmap && dialogIndex <= last ? dialogIndex : kPictFilterBitmap;
  const std::string ext = LowerExtension(fileName);
  if (ext == ".bmp") return kPictFilterBitmap;
  if (ext == ".jpg" || ext == ".jpeg") return kPictFilterJpeg;
  if (ext == ".gif") return kPictFilterGif;
  if ((ext == ".emf" || ext == ".wmf") && hasMetafile) return kPictFilterMetafile;
  return index;
}

SavePictPlan PlanSavePict(std::string_view chosenName, int dialogIndex, bool hasMetafile) {
  SavePictPlan plan;
  plan.filterIndex = SavePictFilterIndex(chosenName, dialogIndex, hasMetafile);
  plan.fileName = std::string(chosenName);
  const std::string ext = LowerExtension(chosenName);
  bool keeps = false;
  switch (plan.filterIndex) {
    case kPictFilterJpeg:
      keeps = ext == ".jpg" || ext == ".jpeg";
      plan.writer = PictWriter::Jpeg;
      break;
    case kPictFilterGif:
      keeps = ext == ".gif";
      plan.writer = PictWriter::Gif;
      break;
    case kPictFilterMetafile:
      keeps = ext == ".emf" || ext == ".wmf";
      plan.writer = ext == ".wmf" ? PictWriter::Wmf : PictWriter::Emf;
      break;
    default:
      keeps = ext == ".bmp";
      plan.writer = PictWriter::Bmp;
      break;
  }
  if (!keeps) {
    plan.fileName += '.';
    plan.fileName += SavePictDefaultExtension(plan.filterIndex);
  }
  return plan;
}

}  // namespace qv
