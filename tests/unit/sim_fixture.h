#pragma once
// The in-memory platform with a data folder on disk, at the two levels the
// tests work at: a bare list of slot records, and the program's model (started
// by Start). Also runs the command-line tool over the same platform.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "attributes/attribute_context.h"
#include "attributes/classify.h"
#include "history/app_core.h"
#include "history/clipboard_reading.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "platform/sim/sim_sound.h"
#include "platform/sim/sim_system.h"
#include "qvtool/cli.h"
#include "snapshot/clipboard_io.h"
#include "test_support.h"

namespace qv::test {

struct SimFixture {
  SimClipboard clipboard;
  SimMetafileRenderer renderer;
  SimSystem system;
  SimSoundPlayer sound;
  TempFolder root;

  // Records without the model: large streams go to data files in root.
  ClipContext ctx{clipboard, system, root.path()};
  AttributeContext attrs{ctx, renderer};
  TClipArr slots;

  // Captures the clipboard into a new last record of `slots`, as a clipboard
  // change does. Every test goes through here rather than calling
  // SetSnapshotData and MakeClipRec itself.
  TClipRec& CaptureNew() {
    slots.emplace_back();
    CapturedSnapshot captured = CaptureSnapshot(clipboard);
    slots.back().SetSnapshotData(std::move(captured.stream), std::move(captured.formats), ctx);
    MakeClipRec(slots, slots.size() - 1, attrs);
    return slots.back();
  }
  TClipRec& CaptureNew(const std::vector<SimClipboard::Item>& items) {
    clipboard.SetByOther(items);
    return CaptureNew();
  }
  TClipRec& CopyText(const std::string& text) { return CaptureNew({{CF_TEXT, Ansi(text)}}); }
  // The stream a capture of these formats gives.
  Bytes Capture(const std::vector<SimClipboard::Item>& items) {
    clipboard.SetByOther(items);
    return CaptureClipboard(clipboard);
  }

  // The model over root as the application data folder, with the viewer
  // notice wired as Windows delivers it: at once, on the same thread. Starting
  // again is a new run over the same folder and clipboard (the previous run
  // ends without saving: call SaveWorkSlots first for an exit).
  std::unique_ptr<AppCore> core;
  void Start();
  // Start-up as the main window runs it: options as given, then the work folder.
  void StartAndLoad(const Options& options = {});
  // From now on notices go to a capture reader, as on the watcher thread: a
  // notice during the program's own write waits until the write ends, and
  // the readings are applied when Deliver runs (the window's next message).
  void WatchOnThread();
  void Deliver();
  std::unique_ptr<ClipboardReader> reader;
  bool noticeWaiting = false;
  // Another program copies text; the model hears of it.
  void Copy(const std::string& text) { clipboard.SetByOther({{CF_TEXT, Ansi(text)}}); }
  void CopyAll(std::initializer_list<const char*> texts) {
    for (const char* t : texts) Copy(t);
  }
  // The text of every slot, oldest first; "-" for an empty slot.
  std::vector<std::string> Texts() const;
  std::string ClipboardText() const;

  // Files and the tool.
  std::filesystem::path Write(const std::string& name, ByteView bytes);
  std::filesystem::path SaveSlot(const std::string& name,
                                 const std::vector<SimClipboard::Item>& items) {
    return Write(name, Capture(items));
  }
  tool::CommandResult Run(const std::vector<std::string>& args);
  tool::CommandResult Run(const std::string& command, const std::filesystem::path& path,
                          bool json = false);
};

using Texts = std::vector<std::string>;

// The fixture with the model started, as most history tests want it.
struct ModelFixture : SimFixture {
  ModelFixture() { Start(); }
};

}  // namespace qv::test
