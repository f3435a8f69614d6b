#pragma once
// A desktop for tests: the foreground answers follow a script, and every
// action is logged in order, waits included (through the shared SimSystem).
#include <deque>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/sim/sim_system.h"

namespace qv {

class SimDesktop : public Desktop {
 public:
  explicit SimDesktop(SimSystem& system) : system_(system) {}

  // Answers of OwnWindowInFront, one per call; the last one repeats.
  std::deque<bool> ownInFront{false};
  bool previousApplication = true;
  // Modifiers stay held until this much waiting has passed.
  uint64_t modifiersReleasedAt = 0;
  std::vector<std::string> log;

  bool OwnWindowInFront() override;
  void SetMainWindowTopmost(bool topmost) override;
  bool RestorePreviousApplication() override;
  void KeyDown(uint16_t key) override;
  void KeyUp(uint16_t key) override;
  bool ModifiersHeld() override { return system_.slept < modifiersReleasedAt; }

 private:
  void Log(std::string entry);
  SimSystem& system_;
};

}  // namespace qv
