#pragma once
// Playing the copy sound: a whole .wav file held in memory.
#include <memory>

#include "util/bytes.h"

namespace qv {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts playing and returns at once. The player keeps the buffer alive for
  // as long as it plays, so the caller may drop or replace its own reference.
  virtual void PlayAsync(std::shared_ptr<const Bytes> wave) = 0;
};

}  // namespace qv
