#include "qvtool/slot_record.h"

#include <algorithm>
#include <string_view>
#include <type_traits>

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
  const std::vector<uint32_t> formats = CapturedFormats(*view);
  AttributeContext ctx([&namer](uint32_t id) { return namer.Name(id); }, formats,
                       platform.renderer);
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
  const auto flags = rec.Flags();
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

namespace {

// A stored field's value as text for the reports: short strings in UTF-8.
template <class T>
std::string FieldText(const T& value) {
  if constexpr (std::is_same_v<T, bool>) {
    return value ? "yes" : "no";
  } else if constexpr (std::is_integral_v<T>) {
    return std::to_string(value);
  } else {
    return AnsiToUtf8(value.str());
  }
}

}  // namespace

std::string RecordFieldLines(const TClipRec& rec) {
  std::string out;
  DerivedAttributes::ForEachStoredField(rec.Attributes(), [&](const char* name, const auto& value) {
    std::string text = FieldText(value);
    if (std::string_view(name) == "Kind") text += " (" + KindName(rec.Kind) + ")";
    if (std::string_view(name) == "Preview") text = PreviewLine(rec);
    out += name;
    out += ": ";
    out += text;
    out += '\n';
  });
  return out;
}

void AddRecordFields(JsonObject& json, const TClipRec& rec) {
  DerivedAttributes::ForEachStoredField(rec.Attributes(), [&](const char* name, const auto& value) {
    using T = std::remove_cvref_t<decltype(value)>;
    if constexpr (std::is_same_v<T, bool>)
      json.AddBool(name, value);
    else if constexpr (std::is_integral_v<T>)
      json.AddNumber(name, value);
    else
      json.AddString(name, AnsiToUtf8(value.str()));
  });
}

}  // namespace qv::tool
