#include "platform/sim/sim_hotkeys.h"

namespace qv {

bool SimHotkeyRegistrar::Register(int id, uint32_t mask, uint16_t key) {
  ++registerCalls;
  if (failRegister) return false;
  const Combination wanted{mask, key};
  for (const auto& [heldId, held] : registered)
    if (held == wanted) return false;
  registered[id] = wanted;
  return true;
}

bool SimHotkeyRegistrar::Unregister(int id) {
  ++unregisterCalls;
  if (failUnregister) return false;
  return registered.erase(id) == 1;
}

}  // namespace qv
