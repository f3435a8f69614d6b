#pragma once
// A small JSON writer for the tool's output: flat objects of strings, numbers,
// booleans and nested values already written as JSON.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv::tool {

// The text as a quoted JSON string. Control characters are written as \uXXXX
// and bytes that are not UTF-8 become U+FFFD, so the result always parses.
std::string JsonString(std::string_view utf8);

// Keys keep the order they were added in.
class JsonObject {
 public:
  JsonObject& AddString(std::string_view key, std::string_view utf8);
  JsonObject& AddNumber(std::string_view key, int64_t value);
  JsonObject& AddBool(std::string_view key, bool value);
  // `json` must already be a JSON value (an object or array from this writer).
  JsonObject& AddRaw(std::string_view key, std::string_view json);
  std::string Text() const { return "{" + members_ + "}"; }

 private:
  void Key(std::string_view key);
  std::string members_;
};

// The values (each already JSON) as an array.
std::string JsonArray(const std::vector<std::string>& values);

}  // namespace qv::tool
