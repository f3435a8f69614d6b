#include "store/set_names.h"

#include <algorithm>

namespace qv {

std::string TrimSetName(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

SetNameProblem CheckSetName(const std::string& name, const std::vector<std::string>& otherNames) {
  if (name.size() > kMaxSetName) return SetNameProblem::TooLong;
  if (name.find_first_of("\t\n\r") != std::string::npos) return SetNameProblem::BadCharacters;
  if (std::find(otherNames.begin(), otherNames.end(), name) != otherNames.end())
    return SetNameProblem::Duplicate;
  return SetNameProblem::None;
}

std::string_view SetNameMessage(SetNameProblem problem) {
  switch (problem) {
    case SetNameProblem::TooLong:
      return "Too long name of a set!";
    case SetNameProblem::BadCharacters:
      return "The name of a set contains incorrect symbols!";
    case SetNameProblem::Duplicate:
      return "The set with such name already exists!";
    case SetNameProblem::NoSlots:
      return kNoSlotsToSaveMessage;
    case SetNameProblem::None:
      break;
  }
  return {};
}

}  // namespace qv
