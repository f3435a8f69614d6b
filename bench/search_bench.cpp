// Filtering the history as the user types: 1000 saved slots of 10 kB text,
// searched for two words, as a ratio to one memmem per slot over the same raw
// text measured in the same run. The warm case is every keystroke after the
// first (the folded texts are kept); the cold case is the first keystroke,
// which reads and folds every slot.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>

#include "attributes/attribute_context.h"
#include "attributes/classify.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "platform/sim/sim_system.h"
#include "platform/sim/sim_text_case.h"
#include "search/search_index.h"
#include "snapshot/clipboard_io.h"

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

constexpr size_t kSlots = 1000;
constexpr size_t kTextBytes = 10 * 1024;

// Text made of ordinary words in mixed case; "quarterly" and "invoice" occur
// in a few slots only.
std::string SlotText(std::mt19937& random, size_t slot) {
  static const char* const kWords[] = {"the",    "Report", "of",     "meeting", "and",   "Budget",
                                       "for",    "next",   "Monday", "please",  "send",  "copy",
                                       "client", "Order",  "number", "review",  "draft", "team"};
  std::string text;
  while (text.size() < kTextBytes) {
    text += kWords[random() % std::size(kWords)];
    text += random() % 12 == 0 ? ".\r\n" : " ";
  }
  if (slot % 97 == 0) text.replace(text.size() / 2, 9, "Quarterly");
  if (slot % 89 == 0) text.replace(text.size() / 3, 7, "INVOICE");
  text.resize(kTextBytes);
  return text;
}

struct History {
  SimClipboard clipboard;
  SimSystem system;
  SimMetafileRenderer renderer;
  ClipContext ctx{clipboard, system, std::filesystem::temp_directory_path()};
  AttributeContext attrs{ctx, renderer};
  TClipArr slots;
  std::vector<std::string> texts;

  History() {
    ctx.write2disk = false;
    std::mt19937 random(7);
    for (size_t i = 0; i <= kSlots; ++i) {
      texts.push_back(SlotText(random, i));
      Bytes ansi(texts.back().begin(), texts.back().end());
      ansi.push_back(0);
      clipboard.SetByOther({{CF_TEXT, ansi}});
      CapturedSnapshot captured = CaptureSnapshot(clipboard);
      slots.emplace_back();
      slots.back().SetSnapshotData(std::move(captured.stream), std::move(captured.formats), ctx);
      MakeClipRec(slots, slots.size() - 1, attrs);
    }
  }
};

History& SharedHistory() {
  static History history;
  return history;
}

// One memmem per saved slot for the query's first word.
size_t BaselineSearch(const History& history, const char* word) {
  size_t found = 0;
  for (size_t i = 0; i + 1 < history.texts.size(); ++i) {
    const std::string& text = history.texts[i];
    found += memmem(text.data(), text.size(), word, std::strlen(word)) != nullptr;
  }
  return found;
}

void RunFilter(benchmark::State& state, bool warm) {
  History& history = SharedHistory();
  const SimTextCase textCase;
  SlotSearchIndex index(textCase);
  const SearchQuery query = MakeSearchQuery("quarterly report", textCase);
  if (warm) index.Find(history.slots, query);
  double work = 0, baseline = 0;
  size_t matches = 0;
  for (auto _ : state) {
    if (!warm) index.Clear();
    auto t0 = Clock::now();
    matches = index.Find(history.slots, query).size();
    auto t1 = Clock::now();
    benchmark::DoNotOptimize(BaselineSearch(history, "uarterly"));
    auto t2 = Clock::now();
    work += Seconds(t1 - t0);
    baseline += Seconds(t2 - t1);
    state.SetIterationTime(Seconds(t1 - t0));
  }
  state.counters["ratio_to_memmem"] = work / baseline;
  state.counters["ms_per_search"] = 1000 * work / static_cast<double>(state.iterations());
  state.counters["matches"] = static_cast<double>(matches);
}

void BM_FilterWarm1000x10kB(benchmark::State& state) {
  RunFilter(state, true);
}
BENCHMARK(BM_FilterWarm1000x10kB)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_FilterCold1000x10kB(benchmark::State& state) {
  RunFilter(state, false);
}
BENCHMARK(BM_FilterCold1000x10kB)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv
