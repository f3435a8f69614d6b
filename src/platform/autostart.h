#pragma once
// The operating system's lists of programs started at log-on: one per machine
// and one per user, each a registry key of string values. Every call opens
// the key, does its work and closes it again.
#include <cstdint>
#include <string_view>

namespace qv {

enum class AutostartScope : uint8_t { Machine, User };

class AutostartList {
 public:
  virtual ~AutostartList() = default;
  // Writes the string value `name` = `data` (UTF-8). With `createKey` a
  // missing key is created first. False when the key cannot be opened for
  // writing or the write is refused.
  virtual bool SetValue(AutostartScope scope, std::string_view name, std::string_view data,
                        bool createKey) = 0;
  // Deletes the value; true also when it was not there. False when the key
  // cannot be opened for writing.
  virtual bool DeleteValue(AutostartScope scope, std::string_view name) = 0;
};

}  // namespace qv
