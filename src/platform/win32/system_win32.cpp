// rand_s: the system's cryptographic random source.
#define _CRT_RAND_S
#include <stdlib.h>

#include "platform/win32/system_win32.h"

#include <windows.h>

namespace qv::win32 {
namespace {

// Different for every start: the system's random source, mixed with the
// performance counter and the process id should it fail.
std::seed_seq::result_type SeedPart(uint64_t value, int shift) {
  return static_cast<std::seed_seq::result_type>(value >> shift);
}

}  // namespace

Win32System::Win32System() {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  const auto ticks = static_cast<uint64_t>(counter.QuadPart);
  unsigned int secure[2] = {};
  for (unsigned int& part : secure)
    if (rand_s(&part) != 0) part = 0;
  std::seed_seq seed{secure[0],
                     secure[1],
                     SeedPart(ticks, 0),
                     SeedPart(ticks, 32),
                     static_cast<std::seed_seq::result_type>(GetCurrentProcessId()),
                     static_cast<std::seed_seq::result_type>(GetTickCount())};
  engine_.seed(seed);
}

uint32_t Win32System::Random(uint32_t bound) {
  if (bound == 0) return 0;
  return std::uniform_int_distribution<uint32_t>(0, bound - 1)(engine_);
}

void Win32System::Sleep(uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

}  // namespace qv::win32
