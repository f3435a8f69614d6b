#pragma once
// What is derived from a snapshot once, when it is captured or loaded: one
// copyable value. The fields the attribute file stores are listed once, in
// ForEachStoredField, which the file reader and writer and every report use.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "codecs/bitmap32.h"
#include "util/short_string.h"

namespace qv {

enum SlotKind : uint8_t {
  kKindEmpty = 0,
  kKindText = 1,
  kKindPicture = 2,
  kKindTextAndPicture = 3,
  kKindOther = 4,
  kKindFiles = 5,
};

struct DerivedAttributes {
  bool HasText = false;
  bool HasRichText = false;
  bool HasBitmap = false;
  bool HasMetafile = false;
  bool HasFiles = false;
  bool HasSound = false;
  uint8_t Kind = kKindEmpty;
  std::optional<std::string> TextView;  // RTF the slot's text view shows
  ShortString<200> Preview;             // ANSI code page
  uint32_t LineCount = 0;
  uint32_t WordCount = 0;
  uint32_t CharCount = 0;
  ShortString<4> LineCountText;
  ShortString<4> WordCountText;
  ShortString<4> CharCountText;
  uint32_t RichFormat = 0;
  std::optional<Bitmap32> Thumbnail;
  std::optional<Bitmap32> PictureView;
  uint16_t PictWidth = 0;
  uint16_t PictHeight = 0;
  uint32_t Size = 0;
  ShortString<10> SizeText;

  bool HasTextFlag() const { return HasText || HasRichText; }
  bool HasPictureFlag() const { return HasBitmap || HasMetafile; }
  // The six content flags, in the order the attribute file stores them.
  auto Flags() const {
    return std::array<bool, 6>{HasText, HasRichText, HasBitmap, HasMetafile, HasFiles, HasSound};
  }

  // Calls visit(name, field) for each stored field, in the attribute file's
  // order. Works on const and non-const values alike.
  template <class Self, class Visit>
  static void ForEachStoredField(Self& a, Visit&& visit) {
    visit("Kind", a.Kind);
    visit("HasText", a.HasText);
    visit("HasRichText", a.HasRichText);
    visit("HasBitmap", a.HasBitmap);
    visit("HasMetafile", a.HasMetafile);
    visit("HasFiles", a.HasFiles);
    visit("HasSound", a.HasSound);
    visit("Preview", a.Preview);
    visit("LineCount", a.LineCount);
    visit("WordCount", a.WordCount);
    visit("CharCount", a.CharCount);
    visit("LineCountText", a.LineCountText);
    visit("WordCountText", a.WordCountText);
    visit("CharCountText", a.CharCountText);
    visit("RichFormat", a.RichFormat);
    visit("Size", a.Size);
    visit("SizeText", a.SizeText);
    visit("PictWidth", a.PictWidth);
    visit("PictHeight", a.PictHeight);
  }
};

}  // namespace qv
