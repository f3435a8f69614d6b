#pragma once
// The languages the program offers: the .lng files in the folder "languages"
// beside the program file, each naming its language in [info] language. English
// is built in; a window's English texts are the ones it had when it was made.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/component_texts.h"

namespace qv {

struct TLanguageEntry {
  std::string Name;            // [info] language, UTF-8
  std::filesystem::path Path;  // the file
};

inline constexpr std::string_view kEnglish = "English";

// The nine slot-view captions a language gives, and the search field's cue.
struct SlotTexts {
  std::string strings = "Strings";
  std::string words = "Words";
  std::string chars = "Chars";
  std::string width = "Width";
  std::string height = "Height";
  std::string binary = "<BINARY DATA>";
  std::string emptySlot = "<THE SLOT IS EMPTY>";
  std::string emptyClipboard = "<THE CLIPBOARD IS EMPTY>";
  std::string memSize = "Size in memory";
  std::string find = "Find";
  bool operator==(const SlotTexts&) const = default;
};

// The settings dialog's language list: "English" and the languages found,
// sorted, and the item to select.
struct LanguageChoices {
  std::vector<std::string> items;
  size_t selected = 0;
};

// Names compared "in lower case": letters of the Latin, Greek and Cyrillic
// alphabets fold, other characters compare as they are.
bool SameLanguageName(std::string_view a, std::string_view b);

class Languages {
 public:
  explicit Languages(std::filesystem::path programFolder)
      : programFolder_(std::move(programFolder)) {}

  // Rebuilds the list from the folder. Files count in name order; a name
  // that is empty, "English" or already listed (any case) is skipped, and so
  // is any file whose extension is not exactly ".lng".
  void ScanLanguages();
  const std::vector<TLanguageEntry>& LanguageList() const { return list_; }

  // The listed file of a language name, or nullopt.
  std::optional<std::filesystem::path> FindLanguage(std::string_view name) const;
  // The file name of a listed language (no folder); empty for English, an
  // empty name and names not listed. This is what option `language` holds.
  std::string LanguageFileName(std::string_view name) const;
  // The file named by option `language`, or empty when there is none.
  std::filesystem::path CurrentLanguageFile(std::string_view languageOption) const;
  // [info] language of that file, or "English".
  std::string CurrentLanguageName(std::string_view languageOption) const;

  // A window's texts in the language the option names; English when that
  // file is gone or its language is not listed.
  void ApplyConfiguredLanguage(std::string_view languageOption, ComponentTexts& window,
                               const DefaultTexts& defaults) const;
  // A window's texts in the named language.
  void ApplyLanguage(std::string_view name, ComponentTexts& window,
                     const DefaultTexts& defaults) const;
  // The slot-view captions of the configured language; nullopt for the
  // built-in English captions.
  std::optional<SlotTexts> LoadSlotTexts(std::string_view languageOption) const;
  // The language list as the settings dialog shows it.
  LanguageChoices ListLangs(std::string_view languageOption) const;

 private:
  std::filesystem::path Folder() const { return programFolder_ / "languages"; }

  std::filesystem::path programFolder_;
  std::vector<TLanguageEntry> list_;
};

}  // namespace qv
