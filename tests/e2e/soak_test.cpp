// A long run of clipboard changes of every kind against the visible window:
// private memory and GDI and USER objects stay flat once the history is full,
// and every change is captured. QV_SOAK_CHANGES sets the length (scripts/soak
// runs 100 000); QV_SOAK_SPACING_MS the time from one change to the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "process_counters.h"
#include "quorvane_process.h"
#include "snapshot/clipboard_io.h"
#include "store/slot_folder.h"
#include "util/file_io.h"
#include "util/ini.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kSlotCount = 1000;

// Change n: a text, a picture, a file list, or a text with a picture, in
// turn, so that each one looks different from the one before in Slot 0.
struct Change {
  std::vector<Format> formats;
  std::wstring shown;  // what Slot 0's window text holds once it is captured
  std::string stored;  // what the stored slot reads as (see StoredIdentity)
};

// Texts come in every text format (AllTextFormats tells why), pictures as
// CF_DIB. One synthesis cannot be avoided: the program reads pictures as
// CF_BITMAP, which Wine 8 makes from CF_DIB, and that read leaks one 1 kB
// buffer of Wine's. (A program offering CF_BITMAP itself costs a GDI bitmap
// per change instead: Wine frees stale bitmaps only when the reader empties
// the clipboard.) The memory check allows for it, under Wine only.
constexpr double kWineLeakPerPicture = 1040;

bool UnderWine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

Change MakeChange(int n) {
  const std::string tag = "soak " + std::to_string(n) + " ";
  const int width = 4 + n % 29, height = 3 + n % 17;
  switch (n % 4) {
    case 0:
      return {AllTextFormats(tag + "copied text"), L"Text: " + std::wstring(tag.begin(), tag.end()),
              "T:" + tag + "copied text"};
    case 1:
      return {{Dib(width, height)}, L"Picture", "P"};
    case 2: {
      const std::string name = "C:\\soak\\f" + std::to_string(n) + ".txt";
      return {{Files({name})}, L"\\f" + std::to_wstring(n) + L".txt", "F:" + name};
    }
    default: {
      std::vector<Format> formats = AllTextFormats(tag + "with a picture");
      formats.push_back(Dib(width, height));
      return {formats, std::wstring(tag.begin(), tag.end()), "M:" + tag + "with a picture"};
    }
  }
}

// A stored slot read back in the terms of MakeChange.
std::string StoredIdentity(ByteView stream) {
  const auto files = ReadFileList(stream);
  if (!files.empty()) return "F:" + files.front();
  const bool picture = ReadSnapshotPictures(stream).bitmap.has_value();
  const std::string text = ReadFormatText(stream, CF_TEXT);
  if (picture) return text.empty() ? "P" : "M:" + text;
  return "T:" + text;
}

std::vector<std::string> StoredIdentities() {
  const auto work = DataFolder() / L"work";
  std::vector<std::string> identities;
  for (const auto& names : ReadSlotIndex(IniFile(work / L"slots.cfg").Load())) {
    const auto data = ReadWholeFile(work / std::filesystem::u8path(names.data));
    identities.push_back(data ? StoredIdentity(*data) : "<missing>");
  }
  return identities;
}

std::wstring WindowTextOf(HWND window) {
  wchar_t text[256] = L"";
  GetWindowTextW(window, text, 256);
  return text;
}

bool Shows(HWND slot0, const Change& change) {
  const std::wstring text = WindowTextOf(slot0);
  return change.shown == L"Picture" ? text.starts_with(change.shown)
                                    : text.find(change.shown) != std::wstring::npos;
}

// Polls more often than WaitUntil: the wait is part of every change.
bool WaitShown(HWND slot0, const Change& change, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (!Shows(slot0, change)) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

struct Sample {
  int changes;
  double seconds;
  ProcessCounters counters;
};

void Print(const Sample& s) {
  std::printf("soak sample: %7d changes %8.1f s  private %10llu  GDI %5u  %s %5u\n", s.changes,
              s.seconds, static_cast<unsigned long long>(s.counters.privateBytes),
              s.counters.gdiObjects, s.counters.userAreWindows ? "windows" : "USER",
              s.counters.userObjects);
  std::fflush(stdout);
}

// Growth from `from` to `to` as a fraction of `from`.
double Growth(double from, double to) {
  return from > 0 ? (to - from) / from : 0.0;
}

// Flat: less than 5 % growth, or no more than `floor` (noise in a short run).
bool Flat(double from, double to, double floor) {
  return to - from <= floor || Growth(from, to) < 0.05;
}

// Growth from samples[first] to the last sample at the median rate between
// neighbouring samples. A leak grows every stretch alike; a one-time step (the
// heap taking a new segment, a container doubling) is up to 800 kB, as large
// as a short run's whole allowance, and lands in one stretch only. Stretches
// of a short run are noisy, though: the check takes the smaller of this and
// the plain growth, and a leak raises both.
template <class Value>
double SteadyGrowth(const std::vector<Sample>& samples, size_t first, Value value) {
  std::vector<double> rates;
  for (size_t i = first + 1; i < samples.size(); ++i)
    rates.push_back((value(samples[i]) - value(samples[i - 1])) /
                    (samples[i].changes - samples[i - 1].changes));
  if (rates.empty()) return 0;
  std::nth_element(rates.begin(), rates.begin() + rates.size() / 2, rates.end());
  return rates[rates.size() / 2] * (samples.back().changes - samples[first].changes);
}

TEST(Soak, ManyChangesOfEveryKindKeepMemoryAndHandlesFlatAndLoseNone) {
  const int changes = static_cast<int>(EnvironmentNumber("QV_SOAK_CHANGES", 2000));
  const auto spacing = std::chrono::milliseconds(EnvironmentNumber("QV_SOAK_SPACING_MS", 15));
  // The history fills after kSlotCount changes; sampling starts there.
  const int warmUp = std::min(kSlotCount, changes / 2);
  const int sampleEvery = std::max(100, changes / 40);
  ResetDataFolder();
  EmptyTheClipboardNow();
  WriteOptions("[main]\r\nminimized=0\r\n[slots]\r\ncount=1000\r\nsaveslots=1\r\n");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(app.Window()) != FALSE; }));
  const HWND slot0 = SlotViews(app.Window()).at(0);
  const HANDLE process = app.process().Handle();

  std::vector<Sample> samples;
  std::printf("soak: %d changes, %lld ms apart, samples from change %d every %d\n", changes,
              static_cast<long long>(spacing.count()), warmUp, sampleEvery);
  Print({0, 0.0, SettledCounters(process)});
  std::vector<int> lost;
  int done = 0, slow = 0;
  double slowest = 0;
  const auto started = Clock::now();
  auto next = started;
  for (int n = 1; n <= changes; ++n) {
    std::this_thread::sleep_until(next);
    next = Clock::now() + spacing;
    const Change change = MakeChange(n);
    // A write the clipboard reports as failed may still have landed.
    Put(change.formats);
    const auto put = Clock::now();
    // A loaded machine may hold a capture up for seconds; a lost change never
    // shows, and the change after it would take its place.
    if (!WaitShown(slot0, change, 60s)) {
      lost.push_back(n);
      std::printf("soak: change %d was not shown\n", n);
      if (lost.size() > 20) break;  // something broke; the samples so far tell what
    }
    const double latency = std::chrono::duration<double>(Clock::now() - put).count();
    slowest = std::max(slowest, latency);
    slow += latency > 1.0;
    done = n;
    if ((n >= warmUp && (n - warmUp) % sampleEvery == 0) || n == changes) {
      samples.push_back({n, std::chrono::duration<double>(Clock::now() - started).count(),
                         ReadCounters(process)});
      Print(samples.back());
    }
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
  ASSERT_TRUE(app.Exit());
  std::printf(
      "soak: %d changes in %.1f s (%.1f per second), spacing %lld ms, %zu lost; %d shown after "
      "more than 1 s, the slowest after %.1f s\n",
      done, seconds, done / seconds, static_cast<long long>(spacing.count()), lost.size(), slow,
      slowest);
  EXPECT_TRUE(lost.empty());

  // The stored history is the last changes, in order, none twice: `count`
  // saved slots and Slot 0.
  std::vector<std::string> expected;
  for (int n = std::max(1, changes - kSlotCount); n <= changes; ++n)
    expected.push_back(MakeChange(n).stored);
  const std::vector<std::string> stored = StoredIdentities();
  EXPECT_EQ(stored.size(), expected.size());
  if (stored.size() == expected.size()) {
    const auto mismatch = std::mismatch(stored.begin(), stored.end(), expected.begin());
    EXPECT_TRUE(mismatch.first == stored.end())
        << "stored slot " << (mismatch.first - stored.begin()) << " is " << *mismatch.first
        << ", the change was " << *mismatch.second;
  }

  // Flat over the second half: from the sample nearest the middle to the last.
  ASSERT_GE(samples.size(), 2u);
  const Sample& last = samples.back();
  const size_t midIndex = std::min_element(samples.begin(), samples.end(),
                                           [&](auto& a, auto& b) {
                                             return std::abs(a.changes - changes / 2) <
                                                    std::abs(b.changes - changes / 2);
                                           }) -
                          samples.begin();
  const Sample& mid = samples[midIndex];
  const auto memoryOf = [](const Sample& s) { return double(s.counters.privateBytes); };
  const auto gdiOf = [](const Sample& s) { return double(s.counters.gdiObjects); };
  const auto userOf = [](const Sample& s) { return double(s.counters.userObjects); };
  std::printf(
      "soak: growth over the second half (from %d changes): memory %.2f %%, GDI %.2f %%, "
      "USER %.2f %%\n",
      mid.changes, 100 * Growth(memoryOf(mid), memoryOf(last)),
      100 * Growth(gdiOf(mid), gdiOf(last)), 100 * Growth(userOf(mid), userOf(last)));
  // Every fourth change is a picture alone and every fourth a text with one.
  const double wine = UnderWine() ? (last.changes - mid.changes) / 2 * kWineLeakPerPicture : 0;
  const double steady = SteadyGrowth(samples, midIndex, memoryOf);
  std::printf(
      "soak: memory growth less Wine's %.0f bytes of picture reads: %.2f %%; at the median rate "
      "between samples: %.2f %%\n",
      wine, 100 * Growth(memoryOf(mid), memoryOf(last) - wine),
      100 * Growth(memoryOf(mid), memoryOf(mid) + steady - wine));
  RecordProperty("changes_per_second", static_cast<int>(changes / seconds));
  const double growth = std::min(steady, memoryOf(last) - memoryOf(mid));
  EXPECT_TRUE(Flat(memoryOf(mid), memoryOf(mid) + growth - wine, 512 * 1024))
      << "private memory grows";
  EXPECT_TRUE(Flat(gdiOf(mid), gdiOf(last), 2)) << "GDI objects grow";
  EXPECT_TRUE(Flat(userOf(mid), userOf(last), 2)) << "USER objects grow";
}

}  // namespace
}  // namespace qv::e2e
