#pragma once
// Records what would have been played.
#include <vector>

#include "platform/sound.h"

namespace qv {

class SimSoundPlayer : public SoundPlayer {
 public:
  void PlayAsync(std::shared_ptr<const Bytes> wave) override { played.push_back(std::move(wave)); }
  std::vector<std::shared_ptr<const Bytes>> played;
};

}  // namespace qv
