#pragma once
// A slot's attributes: derived from a stream as a capture derives them, and
// shown as text lines or JSON members under the record's own field names.
#include <string>

#include "snapshot/clip_rec.h"
#include "qvtool/json_writer.h"
#include "qvtool/tool_platform.h"
#include "snapshot/slot_stream.h"

namespace qv::tool {

// The formats a capture of this stream would have seen on the clipboard: the
// record ids in order, then CF_BITMAP and CF_ENHMETAFILE for the pictures.
std::vector<uint32_t> CapturedFormats(const SlotStreamView& view);

// Runs MakeClipRec over the stream (which must be valid) and returns the record.
TClipRec DeriveRecord(Bytes stream, ToolPlatform& platform);

// "text", "picture", ...
std::string KindName(uint8_t kind);
// The six flags as "T R B M F S", a dash for each one not set.
std::string FlagLetters(const TClipRec& rec);
// The ANSI preview as one UTF-8 line: line breaks shown as " / ".
std::string PreviewLine(const TClipRec& rec);

// Every attribute in the record's field order, as "Name: value" lines.
std::string RecordFieldLines(const TClipRec& rec);
void AddRecordFields(JsonObject& json, const TClipRec& rec);

}  // namespace qv::tool
