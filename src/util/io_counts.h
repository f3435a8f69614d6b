#pragma once
// How often whole files were read and slot streams parsed in this process:
// benchmarks and tests check that one derivation reads and parses once.
#include <atomic>
#include <cstdint>

namespace qv {

struct IoCounts {
  std::atomic<uint64_t> wholeFileReads{0};
  std::atomic<uint64_t> streamParses{0};
};

inline IoCounts& GlobalIoCounts() {
  static IoCounts counts;
  return counts;
}

}  // namespace qv
