// The operations on a slot's content: case conversions and picture
// transformations of the clipboard, adding text, saving as text or image.
#include "app/main_form_win32.h"
#include "picture_ops/save_picture_file.h"
#include "picture_ops/transform_picture.h"
#include "settings/options_file.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/format_names.h"
#include "text_ops/add_text.h"
#include "text_ops/save_text.h"
#include "text_ops/text_conversion.h"
#include "ui/file_dialog_win32.h"
#include "util/codepage.h"
#include "util/file_io.h"

namespace qv {
namespace {

// The submenus and hotkeys list the conversions as lower, upper, word,
// invert, sentence, random.
constexpr TextMode kTextModes[6] = {TextMode::kLower,  TextMode::kUpper,    TextMode::kWord,
                                    TextMode::kInvert, TextMode::kSentence, TextMode::kRandom};

std::string PathUtf8(const std::filesystem::path& path) {
  return Utf16ToUtf8(path.u16string());
}

std::filesystem::path PathFromUtf8(const std::string& name) {
  return std::filesystem::path(Utf8ToUtf16(name));
}

}  // namespace

TextOpsSettings TMainForm::TextSettings() {
  return {core_->attributes.previews, clipboard_.RegisterFormat(kRichTextFormatName)};
}

void TMainForm::TextConversionCommand(int operation) {
  if (operation < 0 || operation >= 6) return;
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  std::optional<Bytes> stream =
      TextConversion(core_->list.Slots.back(), kTextModes[operation], textCase_, TextSettings(),
                     static_cast<uint32_t>(counter.QuadPart));
  if (!stream) return;
  {
    // The converted text comes back as a new Slot 0, without the copy sound.
    CapturedClipboardWrite write(core_->capture);
    RestoreToClipboard(clipboard_, std::move(*stream));
  }
  RedrawIfVisible();
}

void TMainForm::PictureCommand(int mode) {
  if (mode < 0 || mode >= kPictureTransformCount) return;
  const Bytes slot0 = core_->list.Slots.back().GetSnapshotData();
  {
    CapturedClipboardWrite write(core_->capture);
    TransformPicture(clipboard_, renderer_, slot0, static_cast<PictureTransform>(mode));
  }
  RedrawIfVisible();
}

void TMainForm::AddTextCommand(size_t index) {
  const TClipArr& list = core_->list.Slots;
  if (index >= list.size()) return;
  std::optional<Bytes> joined =
      AppendText(list.back(), list[index], core_->options.separator, TextSettings());
  // Without text on the clipboard the slot goes there as a whole.
  Bytes stream = joined ? std::move(*joined) : list[index].GetSnapshotData();
  {
    CapturedClipboardWrite write(core_->capture);
    RestoreToClipboard(clipboard_, std::move(stream));
  }
  RedrawIfVisible();
}

void TMainForm::SaveTextCommand(size_t index) {
  if (index >= core_->list.Slots.size()) return;
  const TClipRec& rec = core_->list.Slots[index];
  auto chosen = win32::AskFileName(hwnd_, true, SaveTextDialog(rec.HasRichText).filter);
  if (!chosen) return;
  const SaveTextTarget target =
      SaveTextName(PathUtf8(chosen->path), chosen->filterIndex, rec.HasRichText);
  const std::filesystem::path file = PathFromUtf8(target.fileName);
  if (!win32::ConfirmReplace(hwnd_, file)) return;
  const Bytes content = SaveTextContent(rec, target.content, core_->attributes.previews);
  // Written beside the name and moved over it: a failed save leaves no
  // half-written file under the chosen name.
  if (!ReplaceFileAtomically(file, content)) ShowMessage(UnableToWriteMessage(file));
}

void TMainForm::SavePictCommand(size_t index) {
  if (index >= core_->list.Slots.size()) return;
  const TClipRec& rec = core_->list.Slots[index];
  auto chosen = win32::AskFileName(hwnd_, true, SavePictFilter(rec.HasMetafile));
  if (!chosen) return;
  const SavePictPlan plan =
      PlanSavePict(PathUtf8(chosen->path), chosen->filterIndex, rec.HasMetafile);
  const std::filesystem::path file = PathFromUtf8(plan.fileName);
  if (!win32::ConfirmReplace(hwnd_, file)) return;
  const PictureFormatNames names = [this](uint32_t id) { return GetFormatName(clipboard_, id); };
  if (SavePictureFile(rec.GetSnapshotData(), plan.writer, file, renderer_, names) ==
      SaveOutcome::WriteFailed)
    ShowMessage(UnableToWriteMessage(file));
}

void TMainForm::ClearClipboardCommand() {
  if (ClipboardHasData(clipboard_)) EmptyTheClipboard(clipboard_);
  // The focus leaves the emptied clipboard panel for the newest slot, if any.
  if (SelectedPanel == 0) SelectSlot(ShowsContent(slots_[1]->Kind()) ? 1 : kNoPanel);
}

}  // namespace qv
