#include <gtest/gtest.h>

#include "actions/address_actions.h"
#include "platform/sim/sim_shell_open.h"
#include "sim_fixture.h"
#include "util/codepage.h"

namespace qv {
namespace {

struct ActionCase {
  const char* why;
  std::string copied;  // the whole clipboard text, UTF-8
  ActionSwitches on;
  std::string opened;  // what the shell is given; empty: nothing
};

constexpr ActionSwitches kBoth{true, true};
constexpr ActionSwitches kUrlOnly{true, false};
constexpr ActionSwitches kMailOnly{false, true};

// "http://example.com/" followed by letters up to `length` characters.
std::string UrlOfLength(size_t length) {
  std::string url = "http://example.com/";
  url.resize(length, 'a');
  return url;
}

TEST(AddressActions, WhatACopiedTextOpens) {
  const std::string atLimit = UrlOfLength(kMaxAddressChars);
  const std::string pastLimit = UrlOfLength(kMaxAddressChars + 1);
  const ActionCase cases[] = {
      {"www. prefix", "www.example.com/docs/index", kBoth, "www.example.com/docs/index"},
      {"prefixes are case-sensitive", "WWW.EXAMPLE.COM/DOCS", kBoth, ""},
      {"https", "https://example.com", kBoth, "https://example.com"},
      {"ftp://", "ftp://files.example.com/pub", kBoth, "ftp://files.example.com/pub"},
      {"ftp.", "ftp.example.com", kBoth, "ftp.example.com"},
      {"backslash and underscore", "http://host\\share_1", kBoth, "http://host\\share_1"},
      {"the ends of each range", "http://azAZ09.example", kBoth, "http://azAZ09.example"},
      {"no known prefix", "news.example.com", kBoth, ""},
      {"the prefix must start the line", "see:http://example.com", kBoth, ""},
      {"query and fragment open whole", "http://example.com/s?q=a+b&n=%41#top", kBoth,
       "http://example.com/s?q=a+b&n=%41#top"},
      {"a fragment before a query", "http://example.com/#x?y", kBoth, "http://example.com/#x?y"},
      {"a query in another script", "http://example.com/?q=\xE6\x97\xA5\xE6\x9C\xAC", kBoth,
       "http://example.com/?q=\xE6\x97\xA5\xE6\x9C\xAC"},
      {"a line that begins with ?", "?http://example.com", kBoth, ""},
      {"a line that begins with #", "#http://example.com", kBoth, ""},
      {"tilde", "http://example.com/~user", kBoth, ""},
      {"percent before the query", "http://example.com/100%25", kBoth, ""},
      {"space before the query", "http://example.com/a b", kBoth, ""},
      {"letters outside ASCII before the query", "http://example.com/\xC3\xA4", kBoth, ""},
      {"blank in the query", "http://example.com/?q=a b", kBoth, ""},
      {"double quote in the query", "http://example.com/?q=\"a\"", kBoth, ""},
      {"apostrophe in the fragment", "http://example.com/#it's", kBoth, ""},
      {"tab in the fragment", "http://example.com/#a\tb", kBoth, ""},
      {"DEL in the query", "http://example.com/?a\x7F", kBoth, ""},
      {"C1 control in the query", "http://example.com/?a\xC2\x9F", kBoth, ""},
      {"2048 characters", atLimit, kUrlOnly, atLimit},
      {"2049 characters", pastLimit, kUrlOnly, ""},
      {"first of two lines", "http://example.com/one\r\nhttp://example.com/two", kBoth,
       "http://example.com/one"},
      {"a lone LF ends the line", "http://example.com/one\nsecond line", kBoth,
       "http://example.com/one"},
      {"blanks and controls around the text", " \t\r\nhttp://example.com/x \r\n\r\n", kBoth,
       "http://example.com/x"},
      {"an address on the second line only", "Look at this:\r\nhttp://example.com", kBoth, ""},
      {"URL action off", "http://example.com", kMailOnly, ""},
      {"mail address", "first.last-1@mail.example.com", kBoth,
       "mailto:first.last-1@mail.example.com"},
      {"already mailto:", "mailto:someone@example.com", kBoth, "mailto:someone@example.com"},
      {"the URL set is not the mail set", "www.name@example.com", kBoth,
       "mailto:www.name@example.com"},
      {"two @", "a@b@example.com", kBoth, ""},
      {"plus sign", "user+tag@example.com", kBoth, ""},
      {"@ first", "@example.com", kBoth, ""},
      {"slash in a mail address", "http://user@example.com", kBoth, ""},
      {"mail address past the limit", "a@" + std::string(kMaxAddressChars - 1, 'b'), kMailOnly, ""},
      {"mail action off", "someone@example.com", kUrlOnly, ""},
      {"both actions off", "http://example.com", {}, ""},
  };
  for (const ActionCase& c : cases) {
    test::SimFixture f;
    SimShellOpener shell;
    f.CaptureNew({{CF_UNICODETEXT, test::Wide(Utf8ToUtf16(c.copied))}});
    const bool acted = DoActions(f.slots, 0, c.on, shell);
    const std::vector<std::string> expected =
        c.opened.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.opened};
    EXPECT_EQ(shell.opened, expected) << c.why;
    EXPECT_EQ(acted, !c.opened.empty()) << c.why;
  }
}

TEST(AddressActions, OnlyThePlainTextOfTheSlotNamedActs) {
  test::SimFixture f;
  SimShellOpener shell;
  const uint32_t rtf = f.clipboard.RegisterFormat("Rich Text Format");
  f.CopyText("http://example.com/text");
  f.CaptureNew({{rtf, test::Ansi("{\\rtf1 http://example.com/rich}")}});
  f.clipboard.SetBitmapByOther(test::Picture(4, 4));
  f.CaptureNew();
  for (size_t index : {1, 2, 3}) EXPECT_FALSE(DoActions(f.slots, index, kBoth, shell)) << index;
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_TRUE(DoActions(f.slots, 0, kBoth, shell));
  EXPECT_EQ(shell.opened, std::vector<std::string>{"http://example.com/text"});
}

}  // namespace
}  // namespace qv
