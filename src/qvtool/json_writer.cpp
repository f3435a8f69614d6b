#include "qvtool/json_writer.h"

#include <cstdio>

#include "util/utf8.h"

namespace qv::tool {
namespace {

// Length of the well-formed UTF-8 sequence at text[i], or 0 when it is not one.
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  const Utf8Char c = DecodeUtf8(text, i);
  return c.valid ? c.length : 0;
}

}  // namespace

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (size_t i = 0; i < utf8.size();) {
    const char c = utf8[i];
    const auto u = static_cast<uint8_t>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
      ++i;
    } else if (u < 0x20 || u == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", u);
      out += escaped;
      ++i;
    } else if (size_t length = Utf8SequenceLength(utf8, i)) {
      out.append(utf8.substr(i, length));
      i += length;
    } else {
      out += "\xEF\xBF\xBD";
      ++i;
    }
  }
  out += '"';
  return out;
}

void JsonObject::Key(std::string_view key) {
  if (!members_.empty()) members_ += ',';
  members_ += JsonString(key);
  members_ += ':';
}

JsonObject& JsonObject::AddString(std::string_view key, std::string_view utf8) {
  Key(key);
  members_ += JsonString(utf8);
  return *this;
}

JsonObject& JsonObject::AddNumber(std::string_view key, int64_t value) {
  Key(key);
  members_ += std::to_string(value);
  return *this;
}

JsonObject& JsonObject::AddBool(std::string_view key, bool value) {
  Key(key);
  members_ += value ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::AddRaw(std::string_view key, std::string_view json) {
  Key(key);
  members_ += json;
  return *this;
}

std::string JsonArray(const std::vector<std::string>& values) {
  std::string out = "[";
  for (size_t i = 0; i < values.size(); ++i) {
    if (i) out += ',';
    out += values[i];
  }
  return out + "]";
}

}  // namespace qv::tool
