#include "snapshot/format_names.h"

#include "platform/clipboard.h"
#include "util/utf8.h"

namespace qv {

bool IsBitmapFormat(uint32_t id) {
  return id == CF_BITMAP || id == CF_DIB || id == CF_PALETTE || id == CF_DIBV5 || id == 18 ||
         id == CF_DSPBITMAP;
}

bool IsMetafileFormat(uint32_t id) {
  return id == CF_METAFILEPICT || id == CF_ENHMETAFILE || id == CF_DSPMETAFILEPICT ||
         id == CF_DSPENHMETAFILE;
}

bool IsSkippedFormat(uint32_t id) {
  return id == CF_DSPTEXT;
}

bool IsPngFormatName(std::string_view name) {
  // Registered format names compare without regard to case.
  auto equal = [name](std::string_view want) {
    if (name.size() != want.size()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
      char c = name[i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != want[i]) return false;
    }
    return true;
  };
  return equal("png") || equal("image/png");
}

std::string StandardFormatName(uint32_t id) {
  switch (id) {
    case 1:
      return "CF_TEXT";
    case 2:
      return "CF_BITMAP";
    case 3:
      return "CF_METAFILEPICT";
    case 4:
      return "CF_SYLK";
    case 5:
      return "CF_DIF";
    case 6:
      return "CF_TIFF";
    case 7:
      return "CF_OEMTEXT";
    case 8:
      return "CF_DIB";
    case 9:
      return "CF_PALETTE";
    case 10:
      return "CF_PENDATA";
    case 11:
      return "CF_RIFF";
    case 12:
      return "CF_WAVE";
    case 13:
      return "CF_UNICODETEXT";
    case 14:
      return "CF_ENHMETAFILE";
    case 15:
      return "CF_HDROP";
    case 16:
      return "CF_LOCALE";
    case 17:
      return "CF_MAX (Win 95)";
    case 128:
      return "CF_OWNERDISPLAY";
    case 129:
      return "CF_DSPTEXT";
    case 130:
      return "CF_DSPBITMAP";
    case 131:
      return "CF_DSPMETAFILEPICT";
    case 142:
      return "CF_DSPENHMETAFILE";
    default:
      break;
  }
  if (id >= 512 && id <= 767) return "PRIVATE_FORMAT";
  if (id >= 768 && id <= 1023) return "GDIObj";
  return "UNKNOWN_FORMAT";
}

std::string GetFormatName(Clipboard& clipboard, uint32_t id) {
  return FormatNameOf(id, clipboard.RegisteredName(id));
}

std::string FormatNameOf(uint32_t id, std::optional<std::string> name) {
  if (name && !name->empty()) {
    // Cut to 59 characters (UTF-8 aware, so no character is split).
    size_t chars = 0, i = 0;
    while (i < name->size() && chars < kFormatNameBuffer - 1) {
      i += DecodeUtf8(*name, i).length;
      ++chars;
    }
    if (i < name->size()) name->resize(i);
    return *name;
  }
  return StandardFormatName(id);
}

}  // namespace qv
