// Deriving every attribute of a 12-megapixel picture slot kept on disk: how
// many times its data file is read and its stream parsed (once each), and the
// time as a ratio to one plain read of the same file in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "attributes/attribute_context.h"
#include "attributes/classify.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "platform/sim/sim_system.h"
#include "snapshot/clipboard_io.h"
#include "util/file_io.h"
#include "util/io_counts.h"

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

void BM_DeriveOnDiskPicture4000x3000(benchmark::State& state) {
  SimClipboard clipboard;
  SimMetafileRenderer renderer;
  SimSystem system;
  const auto folder = std::filesystem::temp_directory_path() / "qv_derive_bench";
  std::filesystem::create_directories(folder);
  ClipContext ctx(clipboard, system, folder);
  ctx.maxsize = 0;  // every slot on disk
  AttributeContext attrs(ctx, renderer);
  Bitmap32 picture{4000, 3000, std::vector<uint32_t>(4000u * 3000u)};
  for (size_t i = 0; i < picture.pixels.size(); ++i)
    picture.pixels[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
  clipboard.SetBitmapByOther(picture, 24);
  CapturedSnapshot captured = CaptureSnapshot(clipboard);
  TClipArr slots(1);
  slots[0].SetSnapshotData(std::move(captured.stream), std::move(captured.formats), ctx);
  IoCounts& counts = GlobalIoCounts();
  double work = 0, baseline = 0;
  uint64_t reads = 0, parses = 0, derivations = 0;
  for (auto _ : state) {
    const uint64_t reads0 = counts.wholeFileReads, parses0 = counts.streamParses;
    auto t0 = Clock::now();
    MakeClipRec(slots, 0, attrs);
    auto t1 = Clock::now();
    reads += counts.wholeFileReads - reads0;
    parses += counts.streamParses - parses0;
    ++derivations;
    auto bytes = ReadWholeFile(slots[0].FileName);
    benchmark::DoNotOptimize(bytes);
    auto t2 = Clock::now();
    work += Seconds(t1 - t0);
    baseline += Seconds(t2 - t1);
    state.SetIterationTime(Seconds(t1 - t0));
  }
  slots[0].FreeSnapshotData(true);
  state.counters["file_reads_per_derivation"] = static_cast<double>(reads) / derivations;
  state.counters["parses_per_derivation"] = static_cast<double>(parses) / derivations;
  state.counters["ratio_to_one_read"] = work / baseline;
}
BENCHMARK(BM_DeriveOnDiskPicture4000x3000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv
