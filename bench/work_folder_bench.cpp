// Loading a work folder of 1000 text slots of 10 kB, as a ratio to reading the
// same files with a plain read loop in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "history/app_core.h"
#include "snapshot/clipboard_io.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "platform/sim/sim_sound.h"
#include "platform/sim/sim_system.h"
#include "util/file_io.h"

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

struct Machine {
  SimClipboard clipboard;
  SimMetafileRenderer renderer;
  SimSystem system;
  SimSoundPlayer sound;
  std::filesystem::path root;
  Platform platform{clipboard, renderer, system, sound};
};

void BM_LoadWorkSlots1000x10kB(benchmark::State& state) {
  Machine m;
  // One folder per process: benchmarks of other checkouts may run at the same time.
  m.root = std::filesystem::temp_directory_path() / ("qv-bench-work-" + std::to_string(getpid()));
  std::filesystem::remove_all(m.root);
  {
    AppCore core(m.platform, MakeAppFolders(m.root));
    EnsureAppFolders(core.folders);
    core.options.count = 1000;
    core.ApplyOptionsToContext();
    for (int i = 0; i < 1000; ++i) {
      std::string text(10 * 1024, static_cast<char>('a' + i % 26));
      text.replace(0, 8, std::to_string(100000 + i).substr(0, 6) + "\r\n");
      for (size_t k = 100; k < text.size(); k += 80) text.replace(k, 2, "\r\n");
      m.clipboard.SetByOther({{CF_TEXT, Bytes(text.begin(), text.end() + 0)}});
      core.monitor.MultipleClip(false);
    }
    core.SaveWorkSlots();
  }
  const auto work = m.root / "Quorvane" / "work";
  double load = 0, plain = 0;
  for (auto _ : state) {
    m.clipboard.ClearByOther();
    auto t0 = Clock::now();
    {
      AppCore core(m.platform, MakeAppFolders(m.root));
      core.options.count = 1000;
      core.ApplyOptionsToContext();
      core.capture.IgnoreClipboardChange = true;
      core.LoadWorkSlots();
      benchmark::DoNotOptimize(core.list.Slots.data());
    }
    auto t1 = Clock::now();
    size_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(work)) {
      if (auto data = ReadWholeFile(entry.path())) bytes += data->size();
    }
    benchmark::DoNotOptimize(bytes);
    auto t2 = Clock::now();
    load += std::chrono::duration<double>(t1 - t0).count();
    plain += std::chrono::duration<double>(t2 - t1).count();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
  }
  state.counters["ratio_to_read_loop"] = load / plain;
  std::filesystem::remove_all(m.root);
}
BENCHMARK(BM_LoadWorkSlots1000x10kB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace qv
