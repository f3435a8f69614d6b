// check: the stream's structure, and the reason when it is refused.
#include "snapshot/format_names.h"
#include "codecs/bmp.h"
#include "codecs/emf.h"
#include "qvtool/commands.h"
#include "qvtool/format_namer.h"
#include "qvtool/json_writer.h"
#include "qvtool/slot_check.h"
#include "qvtool/slot_record.h"
#include "util/file_io.h"

namespace qv::tool {
namespace {

// Metafile sizes are shown as the program shows them, at screen resolution.
constexpr int kScreenPixelsPerInch = 96;

template <typename Number>
std::string Num(Number n) {
  return std::to_string(n);
}

struct Pictures {
  std::optional<BmpLayout> bitmap;
  std::optional<PixelSize> metafile;  // nullopt also when the header is unreadable
};

Pictures ReadPictures(const SlotStreamView& view) {
  Pictures p;
  if (!view.bitmap.empty()) p.bitmap = ParseBmpImage(view.bitmap);
  if (!view.metafile.empty()) {
    if (auto emf = ParseEmfHeader(view.metafile))
      p.metafile = EmfPixelSize(*emf, kScreenPixelsPerInch);
  }
  return p;
}

int64_t AbsHeight(const BmpLayout& bmp) {
  return bmp.height < 0 ? -static_cast<int64_t>(bmp.height) : bmp.height;
}

std::string CheckText(const SlotStreamView& view, FormatNamer& namer) {
  std::string out = "valid: check value " + Num(view.header.checkValue) + ", " +
                    Num(view.records.size()) +
                    (view.records.size() == 1 ? " format\n" : " formats\n");
  for (size_t k = 0; k < view.records.size(); ++k) {
    const FormatRecord& rec = view.records[k];
    out += "format " + Num(k + 1) + ": id " + Num(rec.id) + " " + namer.Name(rec.id) + ", " +
           Num(rec.data.size()) + " bytes\n";
  }
  const Pictures pictures = ReadPictures(view);
  if (pictures.bitmap) {
    const BmpLayout& bmp = *pictures.bitmap;
    out += "bitmap: " + Num(bmp.width) + " x " + Num(AbsHeight(bmp)) + ", " + Num(bmp.bitCount) +
           " bits, " + Num(view.bitmap.size()) + " bytes\n";
  }
  if (!view.metafile.empty()) {
    out += "metafile: ";
    if (pictures.metafile)
      out += Num(pictures.metafile->width) + " x " + Num(pictures.metafile->height) +
             " pixels at 96 dpi, ";
    else
      out += "header unreadable, ";
    out += Num(view.metafile.size()) + " bytes\n";
  }
  return out;
}

std::string CheckJson(const SlotStreamView& view, FormatNamer& namer, const TClipRec& rec) {
  JsonObject json;
  AddRecordFields(json, rec);
  json.AddNumber("CheckValue", view.header.checkValue);
  std::vector<std::string> formats;
  for (const FormatRecord& f : view.records)
    formats.push_back(JsonObject()
                          .AddNumber("id", f.id)
                          .AddString("name", namer.Name(f.id))
                          .AddNumber("size", static_cast<int64_t>(f.data.size()))
                          .Text());
  json.AddRaw("Formats", JsonArray(formats));
  const Pictures pictures = ReadPictures(view);
  if (pictures.bitmap)
    json.AddRaw("Bitmap", JsonObject()
                              .AddNumber("width", pictures.bitmap->width)
                              .AddNumber("height", AbsHeight(*pictures.bitmap))
                              .AddNumber("bitCount", pictures.bitmap->bitCount)
                              .AddNumber("size", static_cast<int64_t>(view.bitmap.size()))
                              .Text());
  if (!view.metafile.empty()) {
    JsonObject emf;
    if (pictures.metafile)
      emf.AddNumber("width", pictures.metafile->width)
          .AddNumber("height", pictures.metafile->height);
    emf.AddNumber("size", static_cast<int64_t>(view.metafile.size()));
    json.AddRaw("Metafile", emf.Text());
  }
  return json.Text() + "\n";
}

}  // namespace

CommandResult CheckCommand(const std::filesystem::path& file, bool json, ToolPlatform& platform) {
  auto stream = ReadWholeFile(file);
  if (!stream) return Failure(file, "cannot read the file");
  if (auto problem = SlotStreamProblem(*stream)) {
    // The verdict is the command's output, so it goes where a valid result would.
    CommandResult result;
    result.exitCode = kExitFailed;
    result.out = json ? JsonObject().AddString("Error", *problem).Text() + "\n"
                      : "invalid: " + *problem + "\n";
    return result;
  }
  TClipRec rec = DeriveRecord(std::move(*stream), platform);
  const SlotStreamView view = *ParseSlotStream(*rec.Data);
  FormatNamer namer(view.records, platform.systemNames);
  return {kExitOk, json ? CheckJson(view, namer, rec) : CheckText(view, namer), ""};
}

}  // namespace qv::tool
