#pragma once
// The rules a set's name follows, checked by the dialogs before a save or a
// rename. The name lives only inside the set's index, so any other character
// is allowed.
#include <string>
#include <string_view>
#include <vector>

namespace qv {

inline constexpr size_t kMaxSetName = 255;

enum class SetNameProblem { None, TooLong, BadCharacters, Duplicate, NoSlots };

// The edit's text without blanks and control characters at either end.
std::string TrimSetName(std::string_view text);
// Length first, then characters, then a clash with another set's name (exact,
// case-sensitive comparison).
SetNameProblem CheckSetName(const std::string& name, const std::vector<std::string>& otherNames);
// The message the dialogs show; empty for None.
std::string_view SetNameMessage(SetNameProblem problem);

inline constexpr char kNoSlotsToSaveMessage[] =
    "In the program window there are no slots! It's impossible to save a set.";
inline constexpr char kDeleteSetQuestion[] = "You really want to remove a set of slots?";
inline constexpr char kRefuseChangesQuestion[] = "To refuse changes?";

}  // namespace qv
