#pragma once
// Both autostart lists in memory. Each can be missing (created on demand) or
// refuse every write, as the per-machine list does for an ordinary user.
#include <map>
#include <string>

#include "platform/autostart.h"

namespace qv {

class SimAutostartList : public AutostartList {
 public:
  struct Key {
    bool exists = true;
    bool refused = false;
    std::map<std::string, std::string> values;
  };

  bool SetValue(AutostartScope scope, std::string_view name, std::string_view data,
                bool createKey) override;
  bool DeleteValue(AutostartScope scope, std::string_view name) override;

  Key& At(AutostartScope scope) { return scope == AutostartScope::Machine ? machine : user; }
  Key machine;
  Key user;
};

}  // namespace qv
