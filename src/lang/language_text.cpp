#include "lang/language_text.h"

#include "util/codepage.h"
#include "util/file_io.h"
#include "util/utf8.h"

namespace qv {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool ValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const Utf8Char c = DecodeUtf8(text, i);
    if (!c.valid) return false;
    i += c.length;
  }
  return true;
}

// Malformed sequences become U+FFFD, one per byte.
std::string RepairedUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const Utf8Char c = DecodeUtf8(text, i);
    if (c.valid)
      out.append(text.substr(i, c.length));
    else
      out.append("\xEF\xBF\xBD");
    i += c.length;
  }
  return out;
}

}  // namespace

std::string DecodeLanguageText(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) {
    // The author said UTF-8: a stray bad byte does not turn the rest into ANSI.
    bytes.remove_prefix(kByteOrderMark.size());
    return RepairedUtf8(bytes);
  }
  if (ValidUtf8(bytes)) return std::string(bytes);
  return AnsiToUtf8(bytes);
}

IniDocument LoadLanguageFile(const std::filesystem::path& file) {
  if (file.empty()) return {};
  const auto bytes = ReadWholeFile(file, kMaxLanguageFileBytes);
  if (!bytes) return {};
  return IniDocument::Parse(DecodeLanguageText(
      std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size())));
}

std::string LanguageValue(const IniDocument& file, std::string_view section, std::string_view key,
                          std::string_view def) {
  std::string value = file.Get(section, key).value_or(std::string(def));
  // Cut after kIniMaxString characters; a malformed byte counts as one.
  size_t at = 0;
  for (size_t count = 0; at < value.size() && count < kIniMaxString; ++count)
    at += DecodeUtf8(value, at).length;
  value.resize(at);
  return value;
}

}  // namespace qv
