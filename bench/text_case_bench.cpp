// Case conversion of a 1 MB rich text document, reported as a ratio to one
// tokenizing pass over the same bytes measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "platform/sim/sim_text_case.h"
#include "rtf/rtf_tokenizer.h"
#include "text_ops/text_conversion.h"

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// Paragraphs of words in changing formatting, with hex and Unicode characters.
std::string Document() {
  std::string doc =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier "
      "New;}}{\\colortbl ;\\red255\\green0\\blue0;}\\uc1\\pard\\f0\\fs20 ";
  const char* pieces[] = {
      "The quick brown fox ", "{\\b jumps} ", "over the ", "{\\cf1\\f1 lazy} ",  "caf\\'e9 ",
      "\\u1046?\\u1078?ar ",  "dog. ",        "\\tab ",    "mr. smith (e-mail) "};
  for (size_t i = 0; doc.size() < (1u << 20); ++i) {
    doc += pieces[i % 9];
    if (i % 23 == 22) doc += "\\par\r\n";
  }
  doc += '}';
  return doc;
}

void BM_ConvertRichText1MB(benchmark::State& state) {
  const std::string doc = Document();
  const SimTextCase cases;
  const auto mode = static_cast<TextMode>(state.range(0));
  double work = 0, baseline = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    std::string out = ConvertRichText(doc, mode, cases, 1);
    benchmark::DoNotOptimize(out.data());
    auto t1 = Clock::now();
    RtfTokenizer tokens(doc);
    size_t count = 0;
    while (tokens.Next().kind != RtfTokenKind::kEnd) ++count;
    benchmark::DoNotOptimize(count);
    auto t2 = Clock::now();
    work += Seconds(t1 - t0);
    baseline += Seconds(t2 - t1);
    state.SetIterationTime(Seconds(t1 - t0));
  }
  state.counters["ratio_to_tokenizing"] = work / baseline;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.size()));
}
BENCHMARK(BM_ConvertRichText1MB)
    ->Arg(static_cast<int>(TextMode::kUpper))
    ->Arg(static_cast<int>(TextMode::kSentence))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv
