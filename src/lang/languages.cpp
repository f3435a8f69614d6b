#include "lang/languages.h"

#include <algorithm>
#include <system_error>

#include "lang/language_text.h"
#include "settings/language_file.h"
#include "util/codepage.h"

namespace qv {
namespace {

// Simple lower-case mapping of the capitals of the Latin-1, Greek and Cyrillic
// blocks, which covers the names languages give themselves.
char16_t Lower(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c + 0x20;
  if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return c + 0x20;
  if (c >= 0x0391 && c <= 0x03AB && c != 0x03A2) return c + 0x20;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
  return c;
}

std::u16string LowerName(std::string_view name) {
  std::u16string wide = Utf8ToUtf16(name);
  for (char16_t& c : wide) c = Lower(c);
  return wide;
}

std::string InfoName(const IniDocument& file) {
  return LanguageValue(file, "info", "language");
}

}  // namespace

bool SameLanguageName(std::string_view a, std::string_view b) {
  return LowerName(a) == LowerName(b);
}

void Languages::ScanLanguages() {
  list_.clear();
  std::error_code error;
  std::vector<std::filesystem::path> files;
  for (std::filesystem::directory_iterator it(Folder(), error), end; !error && it != end;
       it.increment(error)) {
    // The system's pattern search would also match "X.LNG" and short-name
    // aliases; only a file whose extension is exactly ".lng" counts.
    if (it->path().extension() != ".lng") continue;
    std::error_code kind;
    if (!it->is_regular_file(kind)) continue;
    files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  for (const std::filesystem::path& file : files) {
    std::string name = InfoName(LoadLanguageFile(file));
    if (name.empty() || SameLanguageName(name, kEnglish)) continue;
    if (FindLanguage(name)) continue;  // the first file of a name wins
    list_.push_back({std::move(name), file});
  }
}

std::optional<std::filesystem::path> Languages::FindLanguage(std::string_view name) const {
  for (const TLanguageEntry& entry : list_)
    if (SameLanguageName(entry.Name, name)) return entry.Path;
  return std::nullopt;
}

std::string Languages::LanguageFileName(std::string_view name) const {
  if (name.empty() || name == kEnglish) return {};
  const auto path = FindLanguage(name);
  if (!path) return {};
  return Utf16ToUtf8(path->filename().u16string());
}

std::filesystem::path Languages::CurrentLanguageFile(std::string_view languageOption) const {
  return qv::CurrentLanguageFile(programFolder_, languageOption);
}

std::string Languages::CurrentLanguageName(std::string_view languageOption) const {
  const std::filesystem::path file = CurrentLanguageFile(languageOption);
  std::string name = file.empty() ? std::string() : InfoName(LoadLanguageFile(file));
  return name.empty() ? std::string(kEnglish) : name;
}

void Languages::ApplyConfiguredLanguage(std::string_view languageOption, ComponentTexts& window,
                                        const DefaultTexts& defaults) const {
  ApplyLanguage(CurrentLanguageName(languageOption), window, defaults);
}

void Languages::ApplyLanguage(std::string_view name, ComponentTexts& window,
                              const DefaultTexts& defaults) const {
  // English and an empty name are never listed: they restore the English texts.
  const auto path = FindLanguage(name);
  if (!path) return RestoreDefaultTexts(window, defaults);
  ApplyLanguageFile(window, LoadLanguageFile(*path), defaults);
}

std::optional<SlotTexts> Languages::LoadSlotTexts(std::string_view languageOption) const {
  const std::filesystem::path current = CurrentLanguageFile(languageOption);
  if (current.empty()) return std::nullopt;
  const auto path = FindLanguage(InfoName(LoadLanguageFile(current)));
  if (!path) return std::nullopt;
  const IniDocument file = LoadLanguageFile(*path);
  SlotTexts texts;
  const struct {
    const char* key;
    std::string SlotTexts::*text;
  } keys[] = {{"strings", &SlotTexts::strings},     {"words", &SlotTexts::words},
              {"chars", &SlotTexts::chars},         {"width", &SlotTexts::width},
              {"height", &SlotTexts::height},       {"binary", &SlotTexts::binary},
              {"emptyslot", &SlotTexts::emptySlot}, {"emptyclip", &SlotTexts::emptyClipboard},
              {"memsize", &SlotTexts::memSize},     {"find", &SlotTexts::find}};
  // An empty value keeps the English caption, as for every other text.
  for (const auto& k : keys)
    if (std::string value = LanguageValue(file, "MainForm", k.key); !value.empty())
      texts.*k.text = std::move(value);
  return texts;
}

LanguageChoices Languages::ListLangs(std::string_view languageOption) const {
  LanguageChoices choices;
  choices.items.emplace_back(kEnglish);
  for (const TLanguageEntry& entry : list_) choices.items.push_back(entry.Name);
  std::sort(choices.items.begin(), choices.items.end(),
            [](const std::string& a, const std::string& b) {
              const std::u16string la = LowerName(a), lb = LowerName(b);
              return la != lb ? la < lb : a < b;
            });
  const std::string current = CurrentLanguageName(languageOption);
  auto it = std::find(choices.items.begin(), choices.items.end(), current);
  if (it == choices.items.end())
    it = std::find(choices.items.begin(), choices.items.end(), kEnglish);
  choices.selected = static_cast<size_t>(it - choices.items.begin());
  return choices;
}

}  // namespace qv
