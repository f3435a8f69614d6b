// What the history costs in memory: the program's private memory before and
// after a run of long texts, against the size of the streams it keeps. The
// figures are printed; the assertion only catches a gross regression.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "process_counters.h"
#include "quorvane_process.h"
#include "store/slot_folder.h"
#include "util/ini.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

// 10 000 characters of words and lines, starting with a tag that tells the
// texts apart.
std::string LongText(int number) {
  char tag[32];
  std::snprintf(tag, sizeof tag, "mem %04d ", number);
  std::string text = tag;
  uint32_t seed = static_cast<uint32_t>(number) * 2654435761u + 1;
  while (text.size() < 10000) {
    seed = seed * 1664525u + 1013904223u;
    const size_t length = 2 + (seed >> 28);
    for (size_t i = 0; i < length && text.size() < 10000; ++i)
      text.push_back(static_cast<char>('a' + (seed >> (i % 20)) % 26));
    if (text.size() < 10000) text.push_back((seed & 0x3F) == 0 ? '\n' : ' ');
  }
  return text;
}

std::wstring WindowTextOf(HWND window) {
  wchar_t text[64] = L"";
  GetWindowTextW(window, text, 64);
  return text;
}

// Sum of the data files the stored index names.
uint64_t StoredStreamBytes() {
  const auto work = DataFolder() / L"work";
  uint64_t total = 0;
  for (const auto& names : ReadSlotIndex(IniFile(work / L"slots.cfg").Load())) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(work / std::filesystem::u8path(names.data), ec);
    if (!ec) total += size;
  }
  return total;
}

// QV_MEMORY_SLOTS=1000 measures the full history; the default run keeps to fewer.
TEST(Memory, LongTextSlotsCostLittleMoreThanTheirStreams) {
  const int slots = static_cast<int>(EnvironmentNumber("QV_MEMORY_SLOTS", 200));
  ResetDataFolder();
  EmptyTheClipboardNow();
  WriteOptions("[main]\r\nminimized=0\r\n[slots]\r\ncount=1000\r\nsaveslots=1\r\n");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  const ProcessCounters empty = SettledCounters(app.process().Handle());
  const HWND slot0 = SlotViews(app.Window()).at(0);
  const auto started = std::chrono::steady_clock::now();
  for (int i = 1; i <= slots; ++i) {
    const std::string text = LongText(i);
    ASSERT_TRUE(Put(AllTextFormats(text)));
    const std::wstring shown = L"Text: " + std::wstring(text.begin(), text.begin() + 9);
    ASSERT_TRUE(WaitUntil([&] { return WindowTextOf(slot0).starts_with(shown); }, 10s))
        << "copy " << i << " was not captured";
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const ProcessCounters full = SettledCounters(app.process().Handle());
  ASSERT_TRUE(app.Exit());
  const uint64_t streams = StoredStreamBytes();
  ASSERT_GT(streams, static_cast<uint64_t>(slots) * 39000);
  const double grown = static_cast<double>(full.privateBytes) - empty.privateBytes;
  const double ratio = grown / static_cast<double>(streams);
  std::printf(
      "memory: %d slots in %.1f s; private %llu -> %llu bytes, grown %.0f; streams %llu bytes; "
      "ratio %.3f\n",
      slots, seconds, static_cast<unsigned long long>(empty.privateBytes),
      static_cast<unsigned long long>(full.privateBytes), grown,
      static_cast<unsigned long long>(streams), ratio);
  RecordProperty("slots", slots);
  RecordProperty("grown_bytes", std::to_string(static_cast<long long>(grown)));
  RecordProperty("stream_bytes", std::to_string(streams));
  RecordProperty("ratio_permille", static_cast<int>(ratio * 1000));
  EXPECT_LT(ratio, 1.5) << "each slot costs far more memory than its stream";
}

}  // namespace
}  // namespace qv::e2e
