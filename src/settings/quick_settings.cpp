#include "settings/quick_settings.h"

namespace qv {
namespace {

bool WriteKey(const OptionKey& key, const Options& options, const IniFile& file) {
  return file.Update([&](IniDocument& doc) { OptionTable::Write(doc, key, options); });
}

}  // namespace

bool& QuickToggleOption(Options& o, QuickToggle toggle) {
  switch (toggle) {
    case QuickToggle::OpenLinks:
      return o.url;
    case QuickToggle::CreateMessages:
      return o.mail;
    case QuickToggle::PlaySound:
      return o.playsound;
    case QuickToggle::NoDouble:
      return o.nodouble;
    case QuickToggle::ShowPaths:
      break;
  }
  return o.pathfiles;
}

OptionKey QuickToggleKey(QuickToggle toggle) {
  switch (toggle) {
    case QuickToggle::OpenLinks:
      return {"actions", "url"};
    case QuickToggle::CreateMessages:
      return {"actions", "mail"};
    case QuickToggle::PlaySound:
      return {"addition", "playsound"};
    case QuickToggle::NoDouble:
      return {"main", "nodouble"};
    case QuickToggle::ShowPaths:
      break;
  }
  return {"addition", "pathfiles"};
}

bool ToggleQuickSetting(QuickToggle toggle, Options& options, const IniFile& file) {
  bool& option = QuickToggleOption(options, toggle);
  option = !option;
  return WriteKey(QuickToggleKey(toggle), options, file);
}

bool SetQuickAlign(uint8_t align, Options& options, const IniFile& file) {
  options.align = align;
  return WriteKey({"main", "align"}, options, file);
}

}  // namespace qv
