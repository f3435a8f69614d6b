#include "platform/sim/sim_autostart.h"

namespace qv {

bool SimAutostartList::SetValue(AutostartScope scope, std::string_view name, std::string_view data,
                                bool createKey) {
  Key& key = At(scope);
  if (key.refused || (!key.exists && !createKey)) return false;
  key.exists = true;
  key.values[std::string(name)] = std::string(data);
  return true;
}

bool SimAutostartList::DeleteValue(AutostartScope scope, std::string_view name) {
  Key& key = At(scope);
  if (key.refused || !key.exists) return false;
  key.values.erase(std::string(name));
  return true;
}

}  // namespace qv
