#include "settings/autorun.h"

namespace qv {
namespace {

constexpr AutostartScope Other(AutostartScope scope) {
  return scope == AutostartScope::Machine ? AutostartScope::User : AutostartScope::Machine;
}

}  // namespace

std::optional<AutostartScope> Autorun::WritableScope() {
  // The per-machine key is never created: a system without it has no such
  // list. A user may always create a per-user key that is still missing.
  for (AutostartScope scope : {AutostartScope::Machine, AutostartScope::User}) {
    if (list_.SetValue(scope, kAutorunProbeName, "", scope == AutostartScope::User)) {
      list_.DeleteValue(scope, kAutorunProbeName);
      return scope;
    }
  }
  return std::nullopt;
}

void Autorun::SetAutorun(bool on) {
  if (!on) {
    list_.DeleteValue(AutostartScope::Machine, kAutorunValueName);
    list_.DeleteValue(AutostartScope::User, kAutorunValueName);
    return;
  }
  const auto scope = WritableScope();
  if (!scope) return;
  if (list_.SetValue(*scope, kAutorunValueName, programPath_, true))
    list_.DeleteValue(Other(*scope), kAutorunValueName);
}

}  // namespace qv
