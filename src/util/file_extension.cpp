#include "util/file_extension.h"

namespace qv {

std::string LowerExtension(std::string_view fileName) {
  const size_t dot = fileName.find_last_of(".\\/:");
  if (dot == std::string_view::npos || fileName[dot] != '.') return {};
  std::string ext(fileName.substr(dot));
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return ext;
}

std::string OverwriteQuestion(std::string_view fileName) {
  return std::string(fileName) + " already exists.\nDo you want to replace it?";
}

}  // namespace qv
