// Capture plus restore through the in-memory clipboard, reported as ratios to
// two baselines measured in the same run: memcpy of the same bytes into a warm
// buffer, and into a freshly allocated one (a snapshot always lands in new
// memory, and blocks above the allocator's mapping threshold pay page faults).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "attributes/classify.h"
#include "attributes/attribute_context.h"
#include "snapshot/clipboard_io.h"
#include "platform/sim/sim_metafile.h"
#include "platform/sim/sim_system.h"
#include "platform/sim/sim_clipboard.h"

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// Times one memcpy of `bytes` bytes (the baseline) next to each capture + restore.
void RunCaptureRestore(benchmark::State& state, SimClipboard& clipboard, size_t bytes) {
  Bytes source(bytes, 0x5A), target(bytes);
  double work = 0, baseline = 0, freshBaseline = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    Bytes stream = CaptureClipboard(clipboard);
    benchmark::DoNotOptimize(stream.data());
    RestoreToClipboard(clipboard, std::move(stream));
    auto t1 = Clock::now();
    std::memcpy(target.data(), source.data(), bytes);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
    auto t2 = Clock::now();
    {
      Bytes fresh(source.begin(), source.end());
      benchmark::DoNotOptimize(fresh.data());
    }
    auto t3 = Clock::now();
    work += Seconds(t1 - t0);
    baseline += Seconds(t2 - t1);
    freshBaseline += Seconds(t3 - t2);
    state.SetIterationTime(Seconds(t1 - t0));
  }
  state.counters["ratio_to_memcpy"] = work / baseline;
  state.counters["ratio_to_fresh_copy"] = work / freshBaseline;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_CaptureRestorePrivateFormat16MB(benchmark::State& state) {
  SimClipboard clipboard;
  uint32_t id = clipboard.RegisterFormat("Private 16 MB");
  const size_t size = 16u << 20;
  Bytes data(size);
  for (size_t i = 0; i < size; ++i) data[i] = static_cast<uint8_t>(i * 31);
  clipboard.SetByOther({{id, data}});
  RunCaptureRestore(state, clipboard, size);
}
BENCHMARK(BM_CaptureRestorePrivateFormat16MB)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_CaptureRestoreBitmap4000x3000(benchmark::State& state) {
  SimClipboard clipboard;
  Bitmap32 picture{4000, 3000, std::vector<uint32_t>(4000u * 3000u)};
  for (size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = static_cast<uint32_t>(i);
  clipboard.SetBitmapByOther(picture, 24);
  RunCaptureRestore(state, clipboard, 4000u * 3000u * 3u);
}
BENCHMARK(BM_CaptureRestoreBitmap4000x3000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv

namespace qv {
namespace {

// Deriving a 1 MB text capture's attributes (classification, counts, preview,
// viewer text), as a ratio to one pass over the same bytes.
void BM_MakeClipRecText1MB(benchmark::State& state) {
  SimClipboard clipboard;
  SimMetafileRenderer renderer;
  SimSystem system;
  ClipContext ctx(clipboard, system, std::filesystem::temp_directory_path());
  ctx.write2disk = false;
  AttributeContext attrs(ctx, renderer);
  std::string text;
  while (text.size() < (1u << 20))
    text += "The quick brown fox jumps over the lazy dog 0123456789\r\n";
  clipboard.SetByOther({{CF_TEXT, Bytes(text.begin(), text.end() + 0)}});
  // CF_TEXT, CF_LOCALE, CF_UNICODETEXT, CF_OEMTEXT
  const CapturedSnapshot captured = CaptureSnapshot(clipboard);
  const Bytes& stream = captured.stream;
  const std::vector<uint32_t>& formats = captured.formats;
  double work = 0, baseline = 0;
  for (auto _ : state) {
    TClipArr slots(1);
    auto t0 = Clock::now();
    slots[0].SetSnapshotData(stream, formats, ctx);
    MakeClipRec(slots, 0, attrs);
    auto t1 = Clock::now();
    auto lines = std::count(text.begin(), text.end(), '\n');
    benchmark::DoNotOptimize(lines);
    auto t2 = Clock::now();
    work += Seconds(t1 - t0);
    baseline += Seconds(t2 - t1);
    state.SetIterationTime(Seconds(t1 - t0));
  }
  state.counters["ratio_to_one_pass"] = work / baseline;
}
BENCHMARK(BM_MakeClipRecText1MB)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv
