#include "store/slot_folder.h"

#include <algorithm>
#include <system_error>

namespace qv {

std::vector<SlotFileNames> ReadSlotIndex(const IniDocument& index) {
  auto count = static_cast<uint16_t>(IniInteger(index, "main", "count", 0));
  std::vector<SlotFileNames> slots;
  slots.reserve(count);
  for (uint32_t k = 1; k <= count; ++k) {
    std::string section = "slot" + std::to_string(k);
    slots.push_back({IniString(index, section, "data", ""), IniString(index, section, "set", "")});
  }
  return slots;
}

IniDocument MakeSlotIndex(const std::vector<SlotFileNames>& slots,
                          const std::function<void(IniDocument&)>& extraMain) {
  IniDocument doc;
  doc.Set("main", "count", std::to_string(slots.size()));
  if (extraMain) extraMain(doc);
  for (size_t k = 0; k < slots.size(); ++k) {
    std::string section = "slot" + std::to_string(k + 1);
    doc.Set(section, "data", slots[k].data);
    doc.Set(section, "set", slots[k].attributes);
  }
  return doc;
}

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of("/\\:") == std::string::npos;
}

bool IsSlotFileName(const std::string& name) {
  if (name.size() < 5 || name.size() > 10 || name.substr(name.size() - 4) != ".dat") return false;
  return std::all_of(name.begin(), name.end() - 4, [](char c) { return c >= '0' && c <= '9'; });
}

void RemoveUnnamedSlotFiles(const std::filesystem::path& folder,
                            const std::vector<std::filesystem::path>& keep) {
  std::error_code ec;
  std::vector<std::filesystem::path> doomed;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const auto& path = it->path();
    std::u8string name = path.filename().u8string();
    if (!IsSlotFileName(std::string(name.begin(), name.end()))) continue;
    if (std::find(keep.begin(), keep.end(), path) != keep.end()) continue;
    doomed.push_back(path);
  }
  for (const auto& path : doomed) std::filesystem::remove(path, ec);
}

}  // namespace qv
