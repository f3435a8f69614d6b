#include "ui/focus_navigation.h"

#include <algorithm>

#include "ui/key_codes.h"

namespace qv {
namespace {

int LastPosition(const ScrollState& scroll) {
  return scroll.maximum - scroll.pageSize + 1;
}

void WrapToBottom(FocusState& s) {
  if (s.scroll.enabled) {
    s.scroll.position = LastPosition(s.scroll);
    s.focus = s.panels;
  } else if (s.records - 1 > 0) {
    s.focus = s.records - 1;
  }
}

void Up(FocusState& s) {
  if (s.focus <= 0) {
    WrapToBottom(s);
  } else if (s.focus == 1 && s.scroll.enabled && s.scroll.position > 0) {
    --s.scroll.position;  // the focus stays on panel 1
  } else if (s.focus == 1 && s.slot0Empty) {
    WrapToBottom(s);
  } else {
    --s.focus;
  }
}

void Down(FocusState& s) {
  if (s.focus < 0) return;
  if (s.focus == s.panels) {
    if (s.scroll.enabled && s.scroll.position + s.scroll.pageSize - 1 < s.scroll.maximum) {
      ++s.scroll.position;
    } else if (s.slot0Empty) {
      if (s.scroll.enabled) s.scroll.position = 0;
      s.focus = 1;
    } else {
      s.focus = 0;
    }
  } else if (s.records - 1 > s.focus) {
    ++s.focus;
  } else {
    s.focus = s.slot0Empty ? 1 : 0;
  }
}

// Without scrolling, Page Down goes to the last panel that shows a slot.
void LastShownPanel(FocusState& s) {
  if (s.scroll.enabled)
    s.focus = s.panels;
  else if (s.records >= 2)
    s.focus = std::min(s.records - 1, s.panels);
}

void PageUp(FocusState& s) {
  if (s.focus <= 0) return;
  if (s.scroll.enabled) s.scroll.position = std::max(0, s.scroll.position - s.scroll.pageSize);
  s.focus = 1;
}

void PageDown(FocusState& s) {
  if (s.focus > 0 && s.scroll.enabled)
    s.scroll.position = std::min(s.scroll.position + s.scroll.pageSize, LastPosition(s.scroll));
  if (s.focus >= 0) LastShownPanel(s);
}

}  // namespace

FocusState NavigateFocus(uint16_t key, FocusState state) {
  switch (key) {
    case kKeyUp:
      Up(state);
      break;
    case kKeyDown:
      Down(state);
      break;
    case kKeyPageUp:
      PageUp(state);
      break;
    case kKeyPageDown:
      PageDown(state);
      break;
    default:
      break;
  }
  return state;
}

}  // namespace qv
