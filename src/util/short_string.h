#pragma once
// A string with a fixed capacity in bytes: a longer value is cut when stored.
// The attribute file stores these with their capacity.
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace qv {

template <size_t Capacity>
class ShortString {
 public:
  static constexpr size_t kCapacity = Capacity;
  ShortString() = default;
  ShortString(std::string_view s) { assign(s); }  // NOLINT: implicit on purpose
  ShortString& operator=(std::string_view s) {
    assign(s);
    return *this;
  }
  void assign(std::string_view s) { value_.assign(s.substr(0, Capacity)); }
  const std::string& str() const { return value_; }
  size_t size() const { return value_.size(); }
  bool empty() const { return value_.empty(); }
  void clear() { value_.clear(); }
  bool operator==(const ShortString&) const = default;
  bool operator==(std::string_view s) const { return value_ == s; }

 private:
  std::string value_;
};

template <size_t N>
std::ostream& operator<<(std::ostream& out, const ShortString<N>& s) {
  return out << s.str();
}

}  // namespace qv
