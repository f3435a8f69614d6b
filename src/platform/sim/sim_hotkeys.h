#pragma once
// Hotkey registrations held in memory. Like the system it refuses a combination
// that is already registered and an unregistration of an id it does not hold;
// tests can make every call fail.
#include <cstdint>
#include <map>

#include "platform/hotkeys.h"

namespace qv {

class SimHotkeyRegistrar : public HotkeyRegistrar {
 public:
  struct Combination {
    uint32_t mask = 0;
    uint16_t key = 0;
    bool operator==(const Combination&) const = default;
  };

  bool Register(int id, uint32_t mask, uint16_t key) override;
  bool Unregister(int id) override;

  // Held registrations by id.
  std::map<int, Combination> registered;
  bool failRegister = false;
  bool failUnregister = false;
  int registerCalls = 0;
  int unregisterCalls = 0;
};

}  // namespace qv
