// Comparing two equal 4000 x 3000 picture slots, as a ratio to memcmp of the
// pixels in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

#include "attributes/classify.h"
#include "attributes/attribute_context.h"
#include "snapshot/clipboard_io.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "platform/sim/sim_system.h"

namespace qv {
namespace {

void BM_SlotsIdenticalBitmap4000x3000(benchmark::State& state) {
  SimClipboard clipboard;
  SimMetafileRenderer renderer;
  SimSystem system;
  ClipContext ctx(clipboard, system, std::filesystem::temp_directory_path());
  ctx.write2disk = false;
  AttributeContext attrs(ctx, renderer);
  Bitmap32 picture{4000, 3000, std::vector<uint32_t>(4000u * 3000u)};
  for (size_t i = 0; i < picture.pixels.size(); ++i)
    picture.pixels[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
  TClipArr slots(2);
  for (auto& rec : slots) {
    clipboard.SetBitmapByOther(picture, 24);
    CapturedSnapshot captured = CaptureSnapshot(clipboard);
    rec.SetSnapshotData(std::move(captured.stream), std::move(captured.formats), ctx);
  }
  MakeClipRec(slots, 0, attrs);
  MakeClipRec(slots, 1, attrs);
  std::vector<uint32_t> copy = picture.pixels;
  const size_t bytes = picture.pixels.size() * 4;
  double work = 0, baseline = 0;
  for (auto _ : state) {
    auto t0 = std::chrono::steady_clock::now();
    bool same = SlotsIdentical(slots, 0, 1, attrs);
    auto t1 = std::chrono::steady_clock::now();
    int cmp = std::memcmp(copy.data(), picture.pixels.data(), bytes);
    auto t2 = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(same);
    benchmark::DoNotOptimize(cmp);
    work += std::chrono::duration<double>(t1 - t0).count();
    baseline += std::chrono::duration<double>(t2 - t1).count();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
  }
  state.counters["ratio_to_memcmp"] = work / baseline;
}
BENCHMARK(BM_SlotsIdenticalBitmap4000x3000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv
