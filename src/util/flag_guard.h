#pragma once
// Sets a flag for a scope and puts its previous value back however the scope
// ends, exceptions included: a flag left set by a failure would silently
// switch a feature off for the rest of the run.
namespace qv {

class FlagGuard {
 public:
  explicit FlagGuard(bool& flag, bool value = true) : flag_(flag), previous_(flag) {
    flag_ = value;
  }
  ~FlagGuard() { flag_ = previous_; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

}  // namespace qv
