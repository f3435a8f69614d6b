// A quarter turn of a 12 MP picture and the GIF and JPEG encoding of a
// 2000 x 1500 photograph-like picture, each reported as a ratio to memcpy of
// the same pixels measured in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "codecs/bmp.h"
#include "codecs/gif_writer.h"
#include "codecs/jpeg_writer.h"
#include "picture_ops/picture_transforms.h"

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// Smooth gradients plus noise: far more than 256 colours, like a photograph.
Bitmap32 Photo(int w, int h) {
  Bitmap32 b{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
  uint32_t seed = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      int noise = static_cast<int>(seed >> 27) - 16;
      auto ch = [&](int v) { return static_cast<uint32_t>(std::clamp(v + noise, 0, 255)); };
      b.at(x, y) = ch(255 * x / w) << 16 | ch(255 * y / h) << 8 |
                   ch(128 + 120 * (x - y) / (w + h) + 40 * ((x / 97 + y / 61) % 3));
    }
  return b;
}

// Runs `work` per iteration and memcpy of `bytes` right after it.
template <class Work>
void AgainstMemcpy(benchmark::State& state, size_t bytes, Work work) {
  std::vector<uint8_t> from(bytes, 0x5A), to(bytes);
  double measured = 0, baseline = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    work();
    auto t1 = Clock::now();
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
    auto t2 = Clock::now();
    measured += Seconds(t1 - t0);
    baseline += Seconds(t2 - t1);
    state.SetIterationTime(Seconds(t1 - t0));
  }
  state.counters["ratio_to_memcpy"] = measured / baseline;
}

// A 4000 x 3000 picture of the given depth with pixels that do not repeat.
PixelImage NoisePicture(uint16_t bits) {
  Bitmap32 picture{4000, 3000, std::vector<uint32_t>(4000u * 3000u)};
  for (size_t i = 0; i < picture.pixels.size(); ++i)
    picture.pixels[i] = static_cast<uint32_t>(i * 2654435761u);
  return *ReadPixelImage(EncodeBmp(picture, bits)).image;
}

// The whole turn returns a new picture, so it pays for fresh memory (page
// faults and zeroing), which on some machines costs several memcpy by itself.
// It is reported against memcpy into warm memory and against a copy of the
// pixels into fresh memory, the least any new picture of this size costs.
void BM_QuarterTurn12MP(benchmark::State& state) {
  const uint16_t bits = static_cast<uint16_t>(state.range(0));
  PixelImage image = NoisePicture(bits);
  const size_t bytes = image.pixels.size();
  Bytes warm(bytes);
  double turns = 0, memcpys = 0, freshCopies = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    ApplyTransform(image, PictureTransform::RotateLeft);
    benchmark::DoNotOptimize(image.pixels.data());
    auto t1 = Clock::now();
    std::memcpy(warm.data(), image.pixels.data(), bytes);
    benchmark::DoNotOptimize(warm.data());
    benchmark::ClobberMemory();
    auto t2 = Clock::now();
    Bytes fresh(image.pixels);
    benchmark::DoNotOptimize(fresh.data());
    auto t3 = Clock::now();
    turns += Seconds(t1 - t0);
    memcpys += Seconds(t2 - t1);
    freshCopies += Seconds(t3 - t2);
    state.SetIterationTime(Seconds(t1 - t0));
  }
  state.counters["ratio_to_memcpy"] = turns / memcpys;
  state.counters["ratio_to_fresh_copy"] = turns / freshCopies;
}
BENCHMARK(BM_QuarterTurn12MP)->Arg(24)->Arg(32)->UseManualTime()->Unit(benchmark::kMillisecond);

// The pixel moves alone, into a result buffer that already exists: the turn
// without the cost of fresh memory (page faults and zeroing).
void BM_QuarterTurnPixels12MP(benchmark::State& state) {
  const uint16_t bits = static_cast<uint16_t>(state.range(0));
  PixelImage image = NoisePicture(bits);
  PixelImage target = image;
  target.Resize(image.height, image.width);
  target.pixels.assign(target.stride * static_cast<size_t>(target.height), 0);
  AgainstMemcpy(state, image.pixels.size(), [&] {
    MovePixels(image, target, PictureTransform::RotateLeft);
    benchmark::DoNotOptimize(target.pixels.data());
  });
}
BENCHMARK(BM_QuarterTurnPixels12MP)
    ->Arg(24)
    ->Arg(32)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_EncodeGif2000x1500(benchmark::State& state) {
  Bitmap32 photo = Photo(2000, 1500);
  AgainstMemcpy(state, photo.pixels.size() * sizeof(uint32_t), [&] {
    auto file = EncodeGif(photo);
    benchmark::DoNotOptimize(file->data());
  });
}
BENCHMARK(BM_EncodeGif2000x1500)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_EncodeJpeg2000x1500(benchmark::State& state) {
  Bitmap32 photo = Photo(2000, 1500);
  AgainstMemcpy(state, photo.pixels.size() * sizeof(uint32_t), [&] {
    auto file = EncodeJpeg(photo, kJpegQuality, true);
    benchmark::DoNotOptimize(file->data());
  });
}
BENCHMARK(BM_EncodeJpeg2000x1500)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv
