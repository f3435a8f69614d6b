#include "util/ini.h"

#include <cctype>
#include <charconv>

#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

std::string_view Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

// "[name]" gives name; anything else nullopt.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

// Matching quotes around a value are not part of it.
std::string_view Unquote(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

bool SplitKeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
  size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  return true;
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    doc.lines_.emplace_back(line);
    start = end + 1;
  }
  return doc;
}

std::string IniDocument::Text() const {
  std::string out;
  for (const auto& line : lines_) {
    out += line;
    out += "\r\n";
  }
  return out;
}

size_t IniDocument::FindSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    auto name = SectionName(lines_[i]);
    if (name && EqualsNoCase(*name, section)) return i;
  }
  return std::string::npos;
}

bool IniDocument::HasSection(std::string_view section) const {
  return FindSection(section) != std::string::npos;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  size_t s = FindSection(section);
  if (s == std::string::npos) return std::nullopt;
  for (size_t i = s + 1; i < lines_.size() && !SectionName(lines_[i]); ++i) {
    std::string_view k, v;
    if (!SplitKeyValue(lines_[i], k, v) || !EqualsNoCase(k, key)) continue;
    return std::string(Unquote(v));
  }
  return std::nullopt;
}

void IniDocument::ForEachEntry(
    const std::function<void(std::string_view, std::string_view, std::string_view)>& visit) const {
  std::optional<std::string_view> section;
  for (const std::string& line : lines_) {
    if (auto name = SectionName(line)) {
      section = name;
      continue;
    }
    std::string_view k, v;
    if (section && SplitKeyValue(line, k, v)) visit(*section, k, Unquote(v));
  }
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  size_t s = FindSection(section);
  if (s == std::string::npos) return keys;
  for (size_t i = s + 1; i < lines_.size() && !SectionName(lines_[i]); ++i) {
    std::string_view k, v;
    if (SplitKeyValue(lines_[i], k, v) && !k.empty()) keys.emplace_back(k);
  }
  return keys;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string line = std::string(key) + "=" + std::string(value);
  size_t s = FindSection(section);
  if (s == std::string::npos) {
    while (!lines_.empty() && Trim(lines_.back()).empty()) lines_.pop_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(line);
    return;
  }
  size_t lastContent = s;
  size_t i = s + 1;
  for (; i < lines_.size() && !SectionName(lines_[i]); ++i) {
    std::string_view k, v;
    if (SplitKeyValue(lines_[i], k, v) && EqualsNoCase(k, key)) {
      lines_[i] = line;
      return;
    }
    if (!Trim(lines_[i]).empty()) lastContent = i;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastContent + 1), line);
}

void IniDocument::EraseSection(std::string_view section) {
  size_t s = FindSection(section);
  if (s == std::string::npos) return;
  size_t e = s + 1;
  while (e < lines_.size() && !SectionName(lines_[e])) ++e;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(s),
               lines_.begin() + static_cast<std::ptrdiff_t>(e));
}

std::optional<int64_t> ParseIniInteger(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text[0] == '$') {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  // Hexadecimal spells a 32-bit pattern ($FFFFFFFF is -1); decimal must fit 32 bits.
  if (base == 16) {
    if (value > 0xFFFFFFFFull) return std::nullopt;
    auto v = static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(value)));
    return negative ? -v : v;
  }
  if (value > (negative ? 2147483648ull : 2147483647ull)) return std::nullopt;
  auto v = static_cast<int64_t>(value);
  return negative ? -v : v;
}

std::string FormatIniColour(uint32_t colour) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "$";
  for (int shift = 28; shift >= 0; shift -= 4) out.push_back(kHex[(colour >> shift) & 0xF]);
  return out;
}

std::string IniString(const IniDocument& doc, std::string_view section, std::string_view key,
                      std::string_view def) {
  auto v = doc.Get(section, key);
  std::string out = v ? *v : std::string(def);
  if (out.size() > kIniMaxString) out.resize(kIniMaxString);
  return out;
}

int64_t IniInteger(const IniDocument& doc, std::string_view section, std::string_view key,
                   int64_t def) {
  auto v = doc.Get(section, key);
  if (!v) return def;
  auto parsed = ParseIniInteger(*v);
  return parsed ? *parsed : def;
}

bool IniBool(const IniDocument& doc, std::string_view section, std::string_view key, bool def) {
  return IniInteger(doc, section, key, def ? 1 : 0) != 0;
}

namespace {

// Larger INI files are not the program's; reading them whole is not worth it.
constexpr uint64_t kMaxIniBytes = 16u << 20;

std::optional<IniDocument> ReadIni(const std::filesystem::path& path) {
  auto bytes = ReadWholeFile(path, kMaxIniBytes);
  if (!bytes) return std::nullopt;
  return IniDocument::Parse(
      std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace

IniDocument IniFile::Load() const {
  auto doc = ReadIni(path_);
  return doc ? std::move(*doc) : IniDocument{};
}

bool IniFile::Update(const std::function<void(IniDocument&)>& edit) const {
  auto read = ReadIni(path_);
  if (!read && FileExists(path_)) return false;
  IniDocument doc = read ? std::move(*read) : IniDocument{};
  edit(doc);
  return ReplaceFileAtomically(path_, AsBytes(doc.Text()));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
  return IniString(Load(), section, key, def);
}
int64_t IniFile::ReadInteger(std::string_view section, std::string_view key, int64_t def) const {
  return IniInteger(Load(), section, key, def);
}
bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return IniBool(Load(), section, key, def);
}
bool IniFile::WriteString(std::string_view section, std::string_view key,
                          std::string_view value) const {
  return Update([&](IniDocument& doc) { doc.Set(section, key, value); });
}
bool IniFile::WriteInteger(std::string_view section, std::string_view key, int64_t value) const {
  return WriteString(section, key, std::to_string(value));
}
bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) const {
  return WriteString(section, key, value ? "1" : "0");
}

}  // namespace qv
