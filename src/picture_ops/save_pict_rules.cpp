#include "picture_ops/save_pict_rules.h"

namespace qv {
namespace {

std::string_view FilterEntry(PictChoice choice) {
  switch (choice) {
    case PictChoice::Jpeg:
      return "JPEG (*.jpg, *.jpeg)|*.jpg; *.jpeg";
    case PictChoice::Gif:
      return "GIF (*.gif)|*.gif";
    case PictChoice::Metafile:
      return "Metafile (*.emf, *.wmf)|*.emf; *.wmf";
    case PictChoice::Png:
      return "PNG (*.png)|*.png";
    default:
      return "Bitmap (*.bmp)|*.bmp";
  }
}

// Whether the lower-cased extension `ext` (with its dot) belongs to the entry.
bool OwnExtension(PictChoice choice, std::string_view ext) {
  switch (choice) {
    case PictChoice::Jpeg:
      return ext == ".jpg" || ext == ".jpeg";
    case PictChoice::Gif:
      return ext == ".gif";
    case PictChoice::Metafile:
      return ext == ".emf" || ext == ".wmf";
    case PictChoice::Png:
      return ext == ".png";
    default:
      return ext == ".bmp";
  }
}

}  // namespace

std::vector<PictChoice> SavePictChoices(bool hasMetafile) {
  std::vector<PictChoice> choices = {PictChoice::Bitmap, PictChoice::Jpeg, PictChoice::Gif};
  if (hasMetafile) choices.push_back(PictChoice::Metafile);
  choices.push_back(PictChoice::Png);
  return choices;
}

std::string SavePictFilter(bool hasMetafile) {
  std::string filter;
  for (PictChoice choice : SavePictChoices(hasMetafile)) {
    if (!filter.empty()) filter += '|';
    filter += FilterEntry(choice);
  }
  return filter;
}

std::string_view SavePictDefaultExtension(PictChoice choice) {
  switch (choice) {
    case PictChoice::Jpeg:
      return "jpg";
    case PictChoice::Gif:
      return "gif";
    case PictChoice::Metafile:
      return "emf";
    case PictChoice::Png:
      return "png";
    default:
      return "bmp";
  }
}

PictChoice SavePictChoice(std::string_view fileName, int dialogIndex, bool hasMetafile) {
  const std::vector<PictChoice> choices = SavePictChoices(hasMetafile);
  const std::string ext = LowerExtension(fileName);
  for (PictChoice choice : choices)
    if (OwnExtension(choice, ext)) return choice;
  if (dialogIndex >= 1 && static_cast<size_t>(dialogIndex) <= choices.size())
    return choices[static_cast<size_t>(dialogIndex) - 1];
  return choices.front();
}

SavePictPlan PlanSavePict(std::string_view chosenName, int dialogIndex, bool hasMetafile) {
  SavePictPlan plan;
  plan.choice = SavePictChoice(chosenName, dialogIndex, hasMetafile);
  plan.fileName = std::string(chosenName);
  const std::string ext = LowerExtension(chosenName);
  switch (plan.choice) {
    case PictChoice::Jpeg:
      plan.writer = PictWriter::Jpeg;
      break;
    case PictChoice::Gif:
      plan.writer = PictWriter::Gif;
      break;
    case PictChoice::Metafile:
      plan.writer = ext == ".wmf" ? PictWriter::Wmf : PictWriter::Emf;
      break;
    case PictChoice::Png:
      plan.writer = PictWriter::Png;
      break;
    default:
      plan.writer = PictWriter::Bmp;
      break;
  }
  if (!OwnExtension(plan.choice, ext)) {
    plan.fileName += '.';
    plan.fileName += SavePictDefaultExtension(plan.choice);
  }
  return plan;
}

}  // namespace qv
