#include "settings/options_file.h"

namespace qv {

LoadOptionsResult LoadOptions(const IniFile& file) {
  LoadOptionsResult result;
  OptionTable::ReadAll(file.Load(), result.options);
  if (result.options.firstrun) {
    Options cleared = result.options;
    cleared.firstrun = false;
    result.firstRunWriteFailed = !file.Update([&](IniDocument& doc) {
      OptionTable::Write(doc, {"main", "firstrun"}, cleared);
    });
  }
  return result;
}

bool SaveWindowGeometry(const IniFile& file, const WindowGeometry& g) {
  return file.Update([&](IniDocument& doc) {
    doc.Set("main", "left", std::to_string(g.left));
    doc.Set("main", "top", std::to_string(g.top));
    doc.Set("main", "width", std::to_string(g.width));
    doc.Set("main", "height", std::to_string(g.height));
    if (g.paramPosition) {
      doc.Set("param", "left", std::to_string(g.paramPosition->first));
      doc.Set("param", "top", std::to_string(g.paramPosition->second));
    }
  });
}

std::string UnableToWriteMessage(const std::filesystem::path& path) {
  std::u8string name = path.u8string();
  return "Unable to write to " + std::string(name.begin(), name.end());
}

}  // namespace qv
