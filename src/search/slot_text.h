#pragma once
// What a search looks for in a slot: the words its text holds, folded to
// lower case by the system's mapping so that a query matches in any case.
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_case.h"
#include "snapshot/clip_rec.h"
#include "snapshot/slot_stream.h"

namespace qv {

// The slot's searchable text as UTF-8: its plain text, else the plain text of
// its rich text, and the full names of the files it lists, one per line.
std::string SlotSearchText(const TClipRec& rec, const SlotStreamView& view);

// `utf8` with every character mapped to lower case, as UTF-8 again. Malformed
// bytes become U+FFFD, so text and query fold alike.
std::string FoldCase(std::string_view utf8, const TextCase& textCase);

// A typed query: its words (split at white space), folded.
struct SearchQuery {
  std::vector<std::string> words;
  bool MatchesAll() const { return words.empty(); }
};
SearchQuery MakeSearchQuery(std::string_view utf8, const TextCase& textCase);

// Every word of the query occurs in the folded text, in any order.
bool MatchesQuery(std::string_view foldedText, const SearchQuery& query);

}  // namespace qv
