#pragma once
// The program's model over the in-memory platform, with the viewer notice
// wired as Windows delivers it: at once, on the same thread.
#include <memory>
#include <string>
#include <vector>

#include "history/app_core.h"
#include "snapshot/clipboard_io.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "platform/sim/sim_sound.h"
#include "platform/sim/sim_system.h"
#include "test_support.h"

namespace qv::test {

struct AppFixture {
  SimClipboard clipboard;
  SimMetafileRenderer renderer;
  SimSystem system;
  SimSoundPlayer sound;
  TempFolder root;
  std::unique_ptr<AppCore> core;

  AppFixture() { Start(); }

  // A new run of the program over the same data folder and clipboard (the
  // previous run ends without saving: call SaveWorkSlots first for an exit).
  void Start() {
    clipboard.onChange = nullptr;
    core = std::make_unique<AppCore>(Platform{clipboard, renderer, system, sound},
                                     MakeAppFolders(root.path()));
    EnsureAppFolders(core->folders);
    core->ApplyOptionsToContext();
    clipboard.onChange = [this] { core->InformClipboardChange(); };
  }
  // Start-up as the main window runs it: options as given, then the work folder.
  void StartAndLoad(const Options& options = {}) {
    Start();
    core->options = options;
    core->ApplyOptionsToContext();
    core->IgnoreClipboardChange = true;
    core->LoadWorkSlots();
    core->IgnoreClipboardChange = false;
  }

  void Copy(const std::string& text) { clipboard.SetByOther({{CF_TEXT, Ansi(text)}}); }
  void CopyAll(std::initializer_list<const char*> texts) {
    for (const char* t : texts) Copy(t);
  }
  // The text of every slot, oldest first; "-" for an empty slot.
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const TClipRec& rec : core->Slots)
      out.push_back(rec.Kind == kKindEmpty ? "-" : ReadFormatText(rec.GetSnapshotData(), CF_TEXT));
    return out;
  }
  std::string ClipboardText() const {
    auto data = clipboard.Data(CF_TEXT);
    return data ? std::string(reinterpret_cast<const char*>(data->data())) : "-";
  }
};

using Texts = std::vector<std::string>;

}  // namespace qv::test
