#include "process_counters.h"

#include <psapi.h>
#include <winternl.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "e2e_support.h"

namespace qv::e2e {
namespace {

// Wine answers GetGuiResources with 0. Its GDI handle table lives in the
// process (the 64-bit PEB, a page below the 32-bit one, points to it; a
// 32-bit PEB may point to it itself): entries of 24 bytes, the object type
// at byte 14, 0 for a free entry. Returns 0 when no table is found.
uint32_t CountWineGdiObjects(HANDLE process) {
  using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
    return 0;
  const auto peb = reinterpret_cast<uintptr_t>(basic.PebBaseAddress);
  constexpr size_t kEntries = 0x10000, kEntrySize = 24, kTypeAt = 14;
  for (const uintptr_t at : {peb - 0x1000 + 0xF8, peb + 0x94}) {
    uint64_t table = 0;
    SIZE_T got = 0;
    const size_t width = at == peb + 0x94 ? 4 : 8;
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(at), &table, width, &got) ||
        table == 0 || table > UINTPTR_MAX)
      continue;
    std::vector<uint8_t> entries(kEntries * kEntrySize);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<uintptr_t>(table)),
                           entries.data(), entries.size(), &got))
      continue;
    uint32_t count = 0;
    for (size_t i = 0; i < kEntries; ++i) count += entries[i * kEntrySize + kTypeAt] != 0;
    return count;
  }
  return 0;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<uint32_t*>(count);
  return TRUE;
}

// The process's windows (top-level, message-only and children): the USER
// objects that can be counted from outside where GetGuiResources cannot.
uint32_t CountWindows(HANDLE process) {
  const DWORD id = GetProcessId(process);
  std::vector<HWND> windows = ProcessWindows(id);
  for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
       w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr))
    if (ProcessOf(w) == id) windows.push_back(w);
  uint32_t count = 0;
  for (HWND window : windows) {
    ++count;
    EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count));
  }
  return count;
}

}  // namespace

ProcessCounters ReadCounters(HANDLE process) {
  ProcessCounters c;
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory))
    // Wine leaves PrivateUsage at 0; its PagefileUsage is the process's
    // anonymous memory (resident and swapped), the same quantity.
    c.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
  c.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  c.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  if (c.gdiObjects == 0 && c.userObjects == 0) {
    c.gdiObjects = CountWineGdiObjects(process);
    c.userObjects = CountWindows(process);
    c.userAreWindows = true;
  }
  return c;
}

ProcessCounters SettledCounters(HANDLE process, uint64_t tolerance) {
  ProcessCounters last = ReadCounters(process);
  int steady = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (steady < 3 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const ProcessCounters now = ReadCounters(process);
    const uint64_t change = now.privateBytes > last.privateBytes
                                ? now.privateBytes - last.privateBytes
                                : last.privateBytes - now.privateBytes;
    steady = change <= tolerance ? steady + 1 : 0;
    last = now;
  }
  return last;
}

long long EnvironmentNumber(const char* name, long long fallback) {
  const char* text = std::getenv(name);
  if (!text || !*text) return fallback;
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  return end && *end == '\0' && value > 0 ? value : fallback;
}

}  // namespace qv::e2e
