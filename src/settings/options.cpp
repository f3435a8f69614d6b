#include "settings/options.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <variant>

#include "util/codepage.h"

namespace qv {
namespace {

enum class Encoding { Boolean, Integer, Colour, Text, Kilobytes };

// How a value read from the file is brought into range.
struct Clamp {
  enum Kind { None, Both, AtLeast, ReplaceAbove } kind = None;
  int64_t low = 0;
  int64_t high = 0;
  int64_t replacement = 0;

  int64_t Apply(int64_t v) const {
    switch (kind) {
      case Both:
        return std::clamp(v, low, high);
      case AtLeast:
        return std::max(v, low);
      case ReplaceAbove:
        return v > high ? replacement : v;
      case None:
        break;
    }
    return v;
  }
};

template <class T>
using Member = T Options::*;
using AnyMember =
    std::variant<Member<bool>, Member<uint8_t>, Member<int16_t>, Member<uint16_t>, Member<int32_t>,
                 Member<uint32_t>, Member<uint64_t>, Member<std::string>>;

struct Entry {
  OptionKey key;
  Encoding encoding;
  AnyMember member;
  Clamp clamp;
};

constexpr Clamp kNone{};
constexpr Clamp Range(int64_t lo, int64_t hi) {
  return {Clamp::Both, lo, hi, 0};
}
constexpr Clamp AtLeast(int64_t lo) {
  return {Clamp::AtLeast, lo, 0, 0};
}
constexpr Clamp Above(int64_t hi, int64_t replacement) {
  return {Clamp::ReplaceAbove, 0, hi, replacement};
}

const std::vector<Entry>& Table() {
  using E = Encoding;
  static const std::vector<Entry> table = {
      {{"main", "autohide"}, E::Boolean, &Options::autohide, kNone},
      {{"main", "transparent"}, E::Integer, &Options::transparent, kNone},
      {{"main", "minimized"}, E::Boolean, &Options::minimized, kNone},
      {{"main", "autoran"}, E::Boolean, &Options::autoran, kNone},
      {{"main", "align"}, E::Integer, &Options::align, kNone},
      {{"main", "top"}, E::Integer, &Options::top, kNone},
      {{"main", "left"}, E::Integer, &Options::left, kNone},
      {{"main", "height"}, E::Integer, &Options::height, kNone},
      {{"main", "width"}, E::Integer, &Options::width, AtLeast(294)},
      {{"main", "firstrun"}, E::Boolean, &Options::firstrun, kNone},
      {{"main", "nodouble"}, E::Boolean, &Options::nodouble, kNone},
      {{"main", "language"}, E::Text, &Options::language, kNone},
      {{"slots", "count"}, E::Integer, &Options::count, Range(1, 1000)},
      {{"slots", "page"}, E::Integer, &Options::page, Range(1, 5)},
      {{"slots", "saveslots"}, E::Boolean, &Options::saveslots, kNone},
      {{"slots", "write2disk"}, E::Boolean, &Options::write2disk, kNone},
      {{"slots", "maxsize"}, E::Kilobytes, &Options::maxsize, AtLeast(100)},
      {{"text", "width"}, E::Integer, &Options::textWidth, Range(20, 2000)},
      {{"text", "height"}, E::Integer, &Options::textHeight, Range(20, 2000)},
      {{"text", "transparent"}, E::Boolean, &Options::textTransparent, kNone},
      {{"text", "fontname"}, E::Text, &Options::fontname, kNone},
      {{"text", "fontsize"}, E::Integer, &Options::fontsize, kNone},
      {{"text", "fontcolor"}, E::Colour, &Options::fontcolor, kNone},
      {{"text", "fontbold"}, E::Boolean, &Options::fontbold, kNone},
      {{"text", "fontitalic"}, E::Boolean, &Options::fontitalic, kNone},
      {{"text", "fontunderline"}, E::Boolean, &Options::fontunderline, kNone},
      {{"text", "fontstrike"}, E::Boolean, &Options::fontstrike, kNone},
      {{"text", "separator"}, E::Integer, &Options::separator, Above(12, 9)},
      {{"text", "textview"}, E::Integer, &Options::textview, kNone},
      {{"text", "textpictview"}, E::Integer, &Options::textpictview, kNone},
      {{"picture", "size"}, E::Integer, &Options::pictureSize, kNone},
      {{"picture", "background"}, E::Colour, &Options::background, kNone},
      {{"picture", "transparent"}, E::Boolean, &Options::pictureTransparent, kNone},
      {{"actions", "mail"}, E::Boolean, &Options::mail, kNone},
      {{"actions", "url"}, E::Boolean, &Options::url, kNone},
      {{"addition", "ballon.hint"}, E::Boolean, &Options::ballonHint, kNone},
      {{"addition", "ballon.condition"}, E::Boolean, &Options::ballonCondition, kNone},
      {{"addition", "stylemenus"}, E::Boolean, &Options::stylemenus, kNone},
      {{"addition", "toolbarhints"}, E::Boolean, &Options::toolbarhints, kNone},
      {{"addition", "pathfiles"}, E::Boolean, &Options::pathfiles, kNone},
      {{"addition", "snap"}, E::Boolean, &Options::snap, kNone},
      {{"addition", "snapvalue"}, E::Integer, &Options::snapvalue, kNone},
      {{"addition", "playsound"}, E::Boolean, &Options::playsound, kNone},
      {{"addition", "sound"}, E::Text, &Options::sound, kNone},
      {{"param", "left"}, E::Integer, &Options::paramLeft, kNone},
      {{"param", "top"}, E::Integer, &Options::paramTop, kNone},
  };
  return table;
}

bool SameKey(const OptionKey& a, const OptionKey& b) {
  return std::strcmp(a.section, b.section) == 0 && std::strcmp(a.key, b.key) == 0;
}

// The value as the file holds it: kilobytes stay kilobytes on disk.
int64_t StoredInteger(const Entry& e, const Options& o) {
  return std::visit(
      [&](auto member) -> int64_t {
        using T = std::remove_cvref_t<decltype(o.*member)>;
        if constexpr (std::is_same_v<T, std::string>) {
          return 0;
        } else {
          int64_t v = static_cast<int64_t>(o.*member);
          return e.encoding == Encoding::Kilobytes ? v / 1024 : v;
        }
      },
      e.member);
}

void ReadEntry(const IniDocument& doc, const Entry& e, Options& o) {
  const Options defaults;
  std::visit(
      [&](auto member) {
        using T = std::remove_cvref_t<decltype(o.*member)>;
        if constexpr (std::is_same_v<T, std::string>) {
          o.*member =
              AnsiToUtf8(IniString(doc, e.key.section, e.key.key, Utf8ToAnsi(defaults.*member)));
        } else {
          int64_t v = IniInteger(doc, e.key.section, e.key.key, StoredInteger(e, defaults));
          if (e.encoding == Encoding::Boolean) {
            o.*member = static_cast<T>(v != 0);
            return;
          }
          // The in-memory width decides first (a 16-bit count of 70000 is 4464),
          // then the range.
          if (e.encoding == Encoding::Kilobytes) {
            v = e.clamp.Apply(v);
            // The file holds a 32-bit count of kilobytes; bytes need 64 bits.
            o.*member = static_cast<T>(uint64_t{static_cast<uint32_t>(v)} * 1024u);
            return;
          }
          if (e.encoding != Encoding::Colour) v = static_cast<int64_t>(static_cast<T>(v));
          o.*member = static_cast<T>(e.clamp.Apply(v));
        }
      },
      e.member);
}

}  // namespace

void OptionTable::ReadAll(const IniDocument& doc, Options& options) {
  for (const Entry& e : Table()) ReadEntry(doc, e, options);
}

bool OptionTable::Write(IniDocument& doc, const OptionKey& key, const Options& options) {
  for (const Entry& e : Table()) {
    if (!SameKey(e.key, key)) continue;
    std::string text;
    switch (e.encoding) {
      case Encoding::Boolean:
        text.assign(1, StoredInteger(e, options) ? '1' : '0');
        break;
      case Encoding::Colour:
        text = FormatIniColour(static_cast<uint32_t>(StoredInteger(e, options)));
        break;
      case Encoding::Text:
        text = Utf8ToAnsi(options.*std::get<Member<std::string>>(e.member));
        break;
      case Encoding::Integer:
      case Encoding::Kilobytes:
        text = std::to_string(StoredInteger(e, options));
        break;
    }
    doc.Set(e.key.section, e.key.key, text);
    return true;
  }
  return false;
}

std::vector<OptionKey> OptionTable::Keys() {
  std::vector<OptionKey> keys;
  for (const Entry& e : Table()) keys.push_back(e.key);
  return keys;
}

}  // namespace qv
