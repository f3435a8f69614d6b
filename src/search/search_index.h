#pragma once
// Searching the whole history as the user types. The folded text of the
// newest slots is kept in memory up to a byte budget; older slots beyond it
// are read again (from their data files where they live there) at each
// search, so the result is always complete.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "search/slot_text.h"
#include "snapshot/clip_rec.h"

namespace qv {

inline constexpr size_t kSearchTextBudget = size_t{32} << 20;

class SlotSearchIndex {
 public:
  explicit SlotSearchIndex(const TextCase& textCase, size_t budgetBytes = kSearchTextBudget)
      : textCase_(textCase), budget_(budgetBytes) {}

  // The saved slots (every record but the last, Slot 0) that match, as list
  // indices, newest first. An empty query matches every saved slot.
  std::vector<int> Find(const TClipArr& slots, const SearchQuery& query);

  // Derives and keeps the texts ahead of the first search (as the field
  // opens, before the first key arrives).
  void Prepare(const TClipArr& slots) { Walk(slots, nullptr, nullptr); }

  // Forgets every kept text.
  void Clear() { kept_.clear(); }
  size_t KeptBytes() const;
  size_t KeptSlots() const { return kept_.size(); }
  // Slots whose text the last search had to derive afresh.
  size_t LastReads() const { return lastReads_; }

 private:
  std::string FoldedText(const TClipRec& rec) const;
  // Visits the saved slots newest first with their folded texts, keeping
  // those within the budget; matches go to `matches` when there is a query.
  void Walk(const TClipArr& slots, const SearchQuery* query, std::vector<int>* matches);

  const TextCase& textCase_;
  size_t budget_;
  std::unordered_map<uint64_t, std::string> kept_;  // by ContentStamp
  size_t lastReads_ = 0;
};

}  // namespace qv
