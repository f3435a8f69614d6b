#include "search/search_index.h"

#include "snapshot/snapshot_view.h"

namespace qv {

std::string SlotSearchIndex::FoldedText(const TClipRec& rec) const {
  if (!rec.HasText && !rec.HasRichText && !rec.HasFiles) return {};
  const SnapshotView view(rec);
  return FoldCase(SlotSearchText(rec, view.Parsed()), textCase_);
}

size_t SlotSearchIndex::KeptBytes() const {
  size_t bytes = 0;
  for (const auto& [stamp, text] : kept_) bytes += text.size();
  return bytes;
}

std::vector<int> SlotSearchIndex::Find(const TClipArr& slots, const SearchQuery& query) {
  std::vector<int> matches;
  if (query.MatchesAll()) {
    for (size_t i = slots.empty() ? 0 : slots.size() - 1; i-- > 0;)
      matches.push_back(static_cast<int>(i));
    return matches;
  }
  Walk(slots, &query, &matches);
  return matches;
}

void SlotSearchIndex::Walk(const TClipArr& slots, const SearchQuery* query,
                           std::vector<int>* matches) {
  lastReads_ = 0;
  // Newest first: the budget goes to the slots the user most likely looks
  // for, and texts of records that left the list (or changed) are dropped.
  std::unordered_map<uint64_t, std::string> kept;
  size_t keptBytes = 0;
  for (size_t i = slots.empty() ? 0 : slots.size() - 1; i-- > 0;) {
    const TClipRec& rec = slots[i];
    std::string text;
    if (auto found = kept_.find(rec.ContentStamp); found != kept_.end()) {
      text = std::move(found->second);
      kept_.erase(found);
    } else {
      text = FoldedText(rec);
      ++lastReads_;
    }
    if (query && MatchesQuery(text, *query)) matches->push_back(static_cast<int>(i));
    if (keptBytes + text.size() <= budget_) {
      keptBytes += text.size();
      kept.emplace(rec.ContentStamp, std::move(text));
    }
  }
  kept_ = std::move(kept);
}

}  // namespace qv
