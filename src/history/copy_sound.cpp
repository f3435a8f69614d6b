#include "history/copy_sound.h"

#include <filesystem>

#include "platform/sound.h"
#include "util/file_io.h"

namespace qv {
namespace {

// Larger files are not sounds worth holding in memory.
constexpr uint64_t kMaxSoundFileBytes = 64u << 20;

}  // namespace

void CopySound::Load(bool enabled, const std::string& file) {
  sound_.reset();
  if (!enabled || file.empty()) return;
  if (auto bytes = ReadWholeFile(std::filesystem::u8path(file), kMaxSoundFileBytes);
      bytes && !bytes->empty())
    sound_ = std::make_shared<const Bytes>(std::move(*bytes));
}

void CopySound::Play() const {
  if (sound_) player_.PlayAsync(sound_);
}

}  // namespace qv
