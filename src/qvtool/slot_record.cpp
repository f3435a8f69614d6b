#include "qvtool/slot_record.h"

#include <algorithm>

#include "attributes/classify.h"
#include "attributes/attribute_context.h"
#include "platform/clipboard.h"
#include "qvtool/format_namer.h"
#include "util/codepage.h"

namespace qv::tool {

std::vector<uint32_t> CapturedFormats(const SlotStreamView& view) {
  std::vector<uint32_t> formats;
  auto add = [&](uint32_t id) {
    // Enumeration never yields an id twice.
    if (std::find(formats.begin(), formats.end(), id) == formats.end()) formats.push_back(id);
  };
  for (const FormatRecord& rec : view.records) add(rec.id);
  if (view.header.hasBitmap) add(CF_BITMAP);
  if (view.header.hasMetafile) add(CF_ENHMETAFILE);
  return formats;
}

TClipRec DeriveRecord(Bytes stream, ToolPlatform& platform) {
  TClipArr slots(1);
  auto view = ParseSlotStream(stream);
  if (!view) return std::move(slots[0]);
  FormatNamer namer(view->records, platform.systemNames);
  ClipContext clip(namer, platform.system, {});
  clip.write2disk = false;
  clip.CurrentFormats = CapturedFormats(*view);
  AttributeContext ctx(clip, platform.renderer);
  TClipRec& rec = slots[0];
  rec.Size = static_cast<uint32_t>(stream.size());
  rec.Data = std::move(stream);  // `view` points into the moved buffer, which stays put
  MakeClipRec(slots, 0, ctx);
  return std::move(slots[0]);
}

std::string KindName(uint8_t kind) {
  switch (kind) {
    case kKindEmpty:
      return "empty";
    case kKindText:
      return "text";
    case kKindPicture:
      return "picture";
    case kKindTextAndPicture:
      return "text+picture";
    case kKindOther:
      return "other";
    case kKindFiles:
      return "files";
    default:
      return "kind " + std::to_string(kind);
  }
}

std::string FlagLetters(const TClipRec& rec) {
  const bool flags[] = {rec.HasText,     rec.HasRichText, rec.HasBitmap,
                        rec.HasMetafile, rec.HasFiles,    rec.HasSound};
  const char letters[] = "TRBMFS";
  std::string out;
  for (size_t i = 0; i < 6; ++i) {
    if (i) out += ' ';
    out += flags[i] ? letters[i] : '-';
  }
  return out;
}

std::string PreviewLine(const TClipRec& rec) {
  std::string out;
  const std::string& preview = rec.Preview.str();
  for (size_t i = 0; i < preview.size(); ++i) {
    const char c = preview[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < preview.size() && preview[i + 1] == '\n') ++i;
      out += " / ";
    } else if (static_cast<uint8_t>(c) < 0x20 && c != '\t') {
      out += ' ';  // keeps the line one terminal line
    } else {
      out += c;
    }
  }
  return AnsiToUtf8(out);
}

std::string RecordFieldLines(const TClipRec& rec) {
  std::string out;
  auto line = [&](const char* name, const std::string& value) {
    out += name;
    out += ": ";
    out += value;
    out += '\n';
  };
  auto flag = [](bool v) { return std::string(v ? "yes" : "no"); };
  auto num = [](uint64_t v) { return std::to_string(v); };
  line("Kind", num(rec.Kind) + " (" + KindName(rec.Kind) + ")");
  line("HasText", flag(rec.HasText));
  line("HasRichText", flag(rec.HasRichText));
  line("HasBitmap", flag(rec.HasBitmap));
  line("HasMetafile", flag(rec.HasMetafile));
  line("HasFiles", flag(rec.HasFiles));
  line("HasSound", flag(rec.HasSound));
  line("Preview", PreviewLine(rec));
  line("LineCount", num(rec.LineCount));
  line("WordCount", num(rec.WordCount));
  line("CharCount", num(rec.CharCount));
  line("LineCountText", AnsiToUtf8(rec.LineCountText.str()));
  line("WordCountText", AnsiToUtf8(rec.WordCountText.str()));
  line("CharCountText", AnsiToUtf8(rec.CharCountText.str()));
  line("RichFormat", num(rec.RichFormat));
  line("Size", num(rec.Size));
  line("SizeText", AnsiToUtf8(rec.SizeText.str()));
  line("PictWidth", num(rec.PictWidth));
  line("PictHeight", num(rec.PictHeight));
  return out;
}

void AddRecordFields(JsonObject& json, const TClipRec& rec) {
  json.AddNumber("Kind", rec.Kind)
      .AddBool("HasText", rec.HasText)
      .AddBool("HasRichText", rec.HasRichText)
      .AddBool("HasBitmap", rec.HasBitmap)
      .AddBool("HasMetafile", rec.HasMetafile)
      .AddBool("HasFiles", rec.HasFiles)
      .AddBool("HasSound", rec.HasSound)
      .AddString("Preview", AnsiToUtf8(rec.Preview.str()))
      .AddNumber("LineCount", rec.LineCount)
      .AddNumber("WordCount", rec.WordCount)
      .AddNumber("CharCount", rec.CharCount)
      .AddString("LineCountText", AnsiToUtf8(rec.LineCountText.str()))
      .AddString("WordCountText", AnsiToUtf8(rec.WordCountText.str()))
      .AddString("CharCountText", AnsiToUtf8(rec.CharCountText.str()))
      .AddNumber("RichFormat", rec.RichFormat)
      .AddNumber("Size", rec.Size)
      .AddString("SizeText", AnsiToUtf8(rec.SizeText.str()))
      .AddNumber("PictWidth", rec.PictWidth)
      .AddNumber("PictHeight", rec.PictHeight);
}

}  // namespace qv::tool
