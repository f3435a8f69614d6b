#include "platform/sim/sim_desktop.h"

namespace qv {

bool SimDesktop::OwnWindowInFront() {
  const bool own = ownInFront.front();
  if (ownInFront.size() > 1) ownInFront.pop_front();
  return own;
}

void SimDesktop::SetMainWindowTopmost(bool topmost) {
  Log(topmost ? "topmost" : "not topmost");
}

bool SimDesktop::RestorePreviousApplication() {
  Log(previousApplication ? "previous application" : "no previous application");
  return previousApplication;
}

void SimDesktop::KeyDown(uint16_t key) {
  Log("down " + std::to_string(key));
}

void SimDesktop::KeyUp(uint16_t key) {
  Log("up " + std::to_string(key));
}

void SimDesktop::Log(std::string entry) {
  log.push_back("@" + std::to_string(system_.slept) + " " + std::move(entry));
}

}  // namespace qv
