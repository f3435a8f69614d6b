#pragma once
// What another process holds: its private memory and its GDI and USER objects,
// read through its process handle.
#include <windows.h>

#include <cstdint>
#include <string>

namespace qv::e2e {

struct ProcessCounters {
  uint64_t privateBytes = 0;  // memory no other process shares
  uint32_t gdiObjects = 0;
  uint32_t userObjects = 0;
  // Under Wine (no GetGuiResources) userObjects counts only the windows.
  bool userAreWindows = false;
};
ProcessCounters ReadCounters(HANDLE process);

// Waits until the process's private memory stays within `tolerance` bytes
// over a few readings (its start-up work is done), then returns the last
// reading.
ProcessCounters SettledCounters(HANDLE process, uint64_t tolerance = 64 * 1024);

// A number from the environment, or `fallback` when unset or not a number.
long long EnvironmentNumber(const char* name, long long fallback);

}  // namespace qv::e2e
