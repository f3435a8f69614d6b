#pragma once
// The sound played for each copy: read whole into memory once, so playing it
// never touches the disk while another program waits on the clipboard.
#include <memory>
#include <string>

#include "util/bytes.h"

namespace qv {

class SoundPlayer;

class CopySound {
 public:
  explicit CopySound(SoundPlayer& player) : player_(player) {}

  // Reads the file (UTF-8 name) when `enabled`; otherwise, or when it cannot
  // be read, holds no sound.
  void Load(bool enabled, const std::string& file);
  bool Loaded() const { return sound_ != nullptr; }
  // Plays without waiting; a sound still playing keeps its own buffer.
  void Play() const;

 private:
  SoundPlayer& player_;
  std::shared_ptr<const Bytes> sound_;
};

}  // namespace qv
