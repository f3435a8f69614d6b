#include "platform/win32/sound_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include <thread>

namespace qv::win32 {

void Win32SoundPlayer::PlayAsync(std::shared_ptr<const Bytes> wave) {
  if (!wave || wave->empty()) return;
  // The thread plays synchronously and holds its own reference, so the buffer
  // lives exactly as long as the sound plays, whatever the options do meanwhile.
  // A newer sound cuts an older one short, as the system does.
  std::thread([wave] {
    sndPlaySoundW(reinterpret_cast<LPCWSTR>(wave->data()), SND_MEMORY | SND_SYNC | SND_NODEFAULT);
  }).detach();
}

}  // namespace qv::win32
