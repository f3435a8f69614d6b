#pragma once
// The copy sound through the system's simple sound API, on a short-lived thread.
#include "platform/sound.h"

namespace qv::win32 {

class Win32SoundPlayer : public SoundPlayer {
 public:
  void PlayAsync(std::shared_ptr<const Bytes> wave) override;
};

}  // namespace qv::win32
