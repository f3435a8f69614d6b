#pragma once
// What a slot shows, derived once when a snapshot is captured or loaded: the
// preview text, the counts and their texts, the rich text of the text viewer,
// the file-list text, the thumbnails.
#include <string>
#include <string_view>

#include "snapshot/clip_rec.h"
#include "snapshot/slot_stream.h"
#include "settings/text_font.h"
#include "attributes/preview_settings.h"

namespace qv {

class MetafileRenderer;

// Each function reads the record's parsed stream `view`; the forms without it
// read and parse the record's stream themselves, for a single attribute.

// The snapshot's text as RTF: its rich text (plus one NUL) when it has one,
// else its plain text or its file-list text set in the text font.
std::string SnapshotToRichText(const TClipRec& rec, const SlotStreamView& view,
                               const PreviewSettings& settings);
std::string SnapshotToRichText(const TClipRec& rec, const PreviewSettings& settings);

// Fills Preview, LineCount, WordCount and CharCount. TextView is left to
// EnsureTextView (an empty text gets an empty one at once).
void MakeTextView(TClipRec& rec, const SlotStreamView& view, const PreviewSettings& settings);
void MakeTextView(TClipRec& rec, const PreviewSettings& settings);
// Fills the three count texts from the counts.
void FormatCount(TClipRec& rec);
// Fills TextView only. Capture and loading leave it to the first time the
// viewer shows the slot: EnsureTextView derives it then.
void MakeRichView(TClipRec& rec, const SlotStreamView& view, const PreviewSettings& settings);
void MakeRichView(TClipRec& rec, const PreviewSettings& settings);
void EnsureTextView(TClipRec& rec, const PreviewSettings& settings);
// Fills Preview and TextView of a file-list snapshot.
void GetFiles(TClipRec& rec, const SlotStreamView& view, const PreviewSettings& settings);
void GetFiles(TClipRec& rec, const PreviewSettings& settings);
// The display form of one file path.
std::string DisplayFileName(std::string_view path, bool showPaths);
// Every file name of a file-list snapshot, one per line (CR LF between).
std::string FileListText(const SlotStreamView& view, const PreviewSettings& settings);
std::string FileListText(const TClipRec& rec, const PreviewSettings& settings);

// Thumbnail and PictureView from the snapshot's pictures (the bitmap when
// there is one, else the metafile). Nothing when the stream has no picture.
void MakePictureViews(TClipRec& rec, const SlotStreamView& view, MetafileRenderer& renderer,
                      const PreviewSettings& settings);
void MakePictureViews(TClipRec& rec, MetafileRenderer& renderer, const PreviewSettings& settings);

}  // namespace qv
