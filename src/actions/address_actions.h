#pragma once
// The automatic actions for copied text: a web or FTP address opens in the
// browser, a mail address starts a new message in the mail program. Only the
// text's first line is examined, and at most one action starts per copy.
#include <cstddef>
#include <string_view>

#include "snapshot/clip_rec.h"

namespace qv {

class ShellOpener;

// Lines longer than this (in characters) are never taken for addresses.
inline constexpr size_t kMaxAddressChars = 2048;

// A line starting with "http://", "https://", "www.", "ftp://" or "ftp."
// (letter case as written), made of letters, digits and - . / : \ _ up to its
// first "?" or "#". The rest may hold anything but blanks, quotes and control
// characters. The whole line, query and fragment included, is opened. True
// when the line was taken and handed to the shell.
bool OpenUrlAction(std::string_view line, ShellOpener& shell);

// A line with exactly one "@", not first, and otherwise letters, digits and
// - . : _ only. Opened as a "mailto:" address (prefixed unless the line
// already starts with "mailto:"). True when the line was taken.
bool OpenMailAction(std::string_view line, ShellOpener& shell);

struct ActionSwitches {
  bool url = false;   // option url
  bool mail = false;  // option mail
};

// For a newly captured slot: the first line of its plain text (blanks and
// control characters trimmed from both ends of the text first; a line ends at
// CR LF or a lone LF) goes to the URL action, then, if that did not act, to
// the mail action. Slots without plain text start nothing. True when an
// action started.
bool DoActions(const TClipArr& slots, size_t index, ActionSwitches on, ShellOpener& shell);

}  // namespace qv
