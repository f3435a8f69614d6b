// INI text as options.cfg, a slot folder index and the hotkeys hold it.
#include <cstdint>
#include <string_view>

#include "hotkeys/hotkey_table.h"
#include "settings/options.h"
#include "store/slot_folder.h"
#include "util/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qv::IniDocument doc =
      qv::IniDocument::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  qv::Options options;
  qv::OptionTable::ReadAll(doc, options);
  qv::ReadSlotIndex(doc);
  qv::HotkeyTable hotkeys;
  hotkeys.LoadHotkeys(doc);
  qv::IniDocument written;
  hotkeys.WriteHotkeys(written);
  (void)doc.Text();
  return 0;
}
