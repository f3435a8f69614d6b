// Language files as a translator may save them: UTF-8 with or without a byte
// order mark, or the ANSI code page, applied to all four windows' texts.
#include <cstdint>
#include <string_view>

#include "lang/component_texts.h"
#include "lang/language_text.h"
#include "ui/form_texts.h"
#include "util/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text =
      qv::DecodeLanguageText(std::string_view(reinterpret_cast<const char*>(data), size));
  const qv::IniDocument file = qv::IniDocument::Parse(text);
  for (const qv::ComponentTexts* english : {&qv::MainFormTexts(), &qv::ParamFormTexts(),
                                            &qv::SaveSetFormTexts(), &qv::LoadSetFormTexts()}) {
    qv::ComponentTexts window = *english;
    qv::DefaultTexts defaults;
    qv::CaptureDefaultTexts(window, defaults);
    qv::ApplyLanguageFile(window, file, defaults);
    qv::RestoreDefaultTexts(window, defaults);
  }
  return 0;
}
