// Text previews of a 1 MB text and thumbnails of a 4000 x 3000 picture, each
// reported as a ratio to a baseline measured in the same run: one pass over
// the same bytes (counting line feeds) for the text, memcpy of the pixels for
// the thumbnails.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "platform/clipboard.h"
#include "snapshot/slot_stream.h"
#include "attributes/previews.h"
#include "attributes/thumbnail.h"

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

void BM_MakeTextView1MB(benchmark::State& state) {
  // Lines of words, about 70 characters each, some non-ASCII, as CF_TEXT.
  Bytes text;
  const char* words[] = {"clipboard ", "caf\xE9 ", "preview ", "{brace} ", "line\t", "x "};
  for (size_t i = 0; text.size() < (1u << 20); ++i) {
    const char* w = words[i % 6];
    text.insert(text.end(), w, w + std::strlen(w));
    if (i % 9 == 8) text.insert(text.end(), {'\r', '\n'});
  }
  text.push_back(0);
  Bytes stream;
  SlotStreamWriter writer(stream);
  writer.AddRecord(CF_TEXT, text);
  writer.Finish(false, false);
  TClipRec rec;
  rec.Data = std::move(stream);
  rec.HasText = true;
  PreviewSettings settings;
  double work = 0, baseline = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    MakeTextView(rec, settings);
    benchmark::DoNotOptimize(rec.TextView->data());
    auto t1 = Clock::now();
    auto lines = std::count(text.begin(), text.end(), '\n');
    benchmark::DoNotOptimize(lines);
    auto t2 = Clock::now();
    work += Seconds(t1 - t0);
    baseline += Seconds(t2 - t1);
    state.SetIterationTime(Seconds(t1 - t0));
  }
  state.counters["ratio_to_one_pass"] = work / baseline;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_MakeTextView1MB)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Thumbnail4000x3000(benchmark::State& state) {
  const int maxWidth = static_cast<int>(state.range(0));
  const int maxHeight = static_cast<int>(state.range(1));
  Bitmap32 picture{4000, 3000, std::vector<uint32_t>(4000u * 3000u)};
  for (size_t i = 0; i < picture.pixels.size(); ++i)
    picture.pixels[i] = static_cast<uint32_t>(i * 2654435761u);
  std::vector<uint32_t> copy(picture.pixels.size());
  const size_t bytes = picture.pixels.size() * sizeof(uint32_t);
  double work = 0, baseline = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    Bitmap32 thumb = MakeThumbnail(picture, maxWidth, maxHeight);
    benchmark::DoNotOptimize(thumb.pixels.data());
    auto t1 = Clock::now();
    std::memcpy(copy.data(), picture.pixels.data(), bytes);
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
    auto t2 = Clock::now();
    work += Seconds(t1 - t0);
    baseline += Seconds(t2 - t1);
    state.SetIterationTime(Seconds(t1 - t0));
  }
  state.counters["ratio_to_memcpy"] = work / baseline;
}
BENCHMARK(BM_Thumbnail4000x3000)
    ->Args({75, 56})
    ->Args({240, 180})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv
