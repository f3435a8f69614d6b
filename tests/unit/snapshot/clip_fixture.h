#pragma once
// A slot list over the in-memory platform, with a work folder on disk.
#include "attributes/classify.h"
#include "attributes/attribute_context.h"
#include "snapshot/clipboard_io.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "platform/sim/sim_system.h"
#include "test_support.h"

namespace qv::test {

struct ClipFixture {
  SimClipboard clipboard;
  SimMetafileRenderer renderer;
  SimSystem system;
  TempFolder work;
  ClipContext ctx{clipboard, system, work.path()};
  AttributeContext attrs{ctx, renderer};
  TClipArr slots;

  // Captures the clipboard into a new last slot, as a clipboard change does.
  TClipRec& CaptureNew() {
    slots.emplace_back();
    CapturedSnapshot captured = CaptureSnapshot(clipboard);
    slots.back().SetSnapshotData(std::move(captured.stream), std::move(captured.formats), ctx);
    MakeClipRec(slots, slots.size() - 1, attrs);
    return slots.back();
  }
  TClipRec& CopyText(const std::string& text) {
    clipboard.SetByOther({{CF_TEXT, Ansi(text)}});
    return CaptureNew();
  }
};

}  // namespace qv::test
