#include "store/slot_folder.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "util/codepage.h"

namespace qv {

std::vector<SlotFileNames> ReadSlotIndex(const IniDocument& index) {
  auto count = static_cast<uint16_t>(IniInteger(index, "main", "count", 0));
  std::vector<SlotFileNames> slots(count);
  std::vector<uint8_t> seen(count, 0);  // first match wins: bit 1 data, bit 2 set
  // One pass over the file: an index of a thousand slots is read in linear time.
  index.ForEachEntry([&](std::string_view section, std::string_view key, std::string_view value) {
    if (section.size() < 5 || !EqualsNoCase(section.substr(0, 4), "slot")) return;
    uint32_t k = 0;
    for (char c : section.substr(4)) {
      if (c < '0' || c > '9' || k > 100000) return;
      k = k * 10 + static_cast<uint32_t>(c - '0');
    }
    if (k == 0 || k > count) return;
    uint8_t bit = EqualsNoCase(key, "data") ? 1 : EqualsNoCase(key, "set") ? 2 : 0;
    if (!bit || (seen[k - 1] & bit)) return;
    seen[k - 1] |= bit;
    std::string v(value.substr(0, kIniMaxString));
    (bit == 1 ? slots[k - 1].data : slots[k - 1].attributes) = std::move(v);
  });
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

std::optional<std::filesystem::path> SlotFilePath(const std::filesystem::path& folder,
                                                  const std::string& name) {
  if (!IsPlainFileName(name)) return std::nullopt;
  try {
    return folder / std::filesystem::path(AnsiToUtf16(name));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::string IndexName(const std::filesystem::path& file) {
  try {
    return Utf16ToAnsi(file.filename().u16string());
  } catch (const std::exception&) {
    return {};
  }
}

bool IsSlotFileName(const std::string& name) {
  if (name.size() < 5 || name.size() > 10 || name.substr(name.size() - 4) != ".dat") return false;
  return std::all_of(name.begin(), name.end() - 4, [](char c) { return c >= '0' && c <= '9'; });
}

void RemoveUnnamedSlotFiles(const std::filesystem::path& folder,
                            const std::set<std::string>& keep) {
  std::error_code ec;
  std::vector<std::filesystem::path> doomed;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    const auto& path = it->path();
    std::string plain = IndexName(path);
    if (!IsSlotFileName(plain) || keep.count(plain)) continue;
    doomed.push_back(path);
  }
  for (const auto& path : doomed) std::filesystem::remove(path, ec);
}

}  // namespace qv
