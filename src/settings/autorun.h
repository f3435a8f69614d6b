#pragma once
// Starting with the system: the program's value in an autostart list, kept in
// line with option `autoran`. The per-machine list is used when this process
// may write it; ordinary processes may not, and then the per-user list is.
#include <optional>
#include <string>

#include "platform/autostart.h"

namespace qv {

inline constexpr char kAutorunValueName[] = "Quorvane";
inline constexpr char kAutorunProbeName[] = "Quorvane Test";

class Autorun {
 public:
  // `programPath`: the full path of the program file (UTF-8), the value's data.
  Autorun(AutostartList& list, std::string programPath)
      : list_(list), programPath_(std::move(programPath)) {}

  // The list this process can write, probed by writing and deleting a test
  // value: the per-machine list when possible, else the per-user one.
  std::optional<AutostartScope> WritableScope();
  bool CanWriteAutorun() { return WritableScope().has_value(); }

  // On: the value with the program's path in the writable list, and none in
  // the other (the program would be started twice). Off: no value in either.
  void SetAutorun(bool on);

 private:
  AutostartList& list_;
  std::string programPath_;
};

}  // namespace qv
