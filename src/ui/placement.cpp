#include "ui/placement.h"

#include <cstdlib>

namespace qv {

TaskbarSide FindTaskbarSide(const Rect& taskbar, Size screen) {
  // The slack allows for a taskbar rectangle that overhangs the screen by a few pixels.
  if (taskbar.left >= 6) return TaskbarSide::kRight;
  if (taskbar.right < screen.width - 5) return TaskbarSide::kLeft;
  return taskbar.top <= 5 ? TaskbarSide::kTop : TaskbarSide::kBottom;
}

Point PlaceNextToTray(const Rect& taskbar, Size screen, Size window) {
  switch (FindTaskbarSide(taskbar, screen)) {
    case TaskbarSide::kLeft:
      return {taskbar.right + 1, screen.height - window.height - 1};
    case TaskbarSide::kRight:
      return {taskbar.left - window.width - 1, screen.height - window.height - 1};
    case TaskbarSide::kTop:
      return {screen.width - window.width - 1, taskbar.bottom + 1};
    case TaskbarSide::kBottom:
      break;
  }
  return {screen.width - window.width - 1, taskbar.top - window.height - 1};
}

Placement PlaceWindow(const PlaceRequest& request, const SavedGeometry& saved) {
  Placement result{{request.window.left, request.window.top}, saved};
  switch (request.alignMode) {
    case kAlignTray:
      if (!request.taskbar) break;
      result.position = PlaceNextToTray(*request.taskbar, request.screen,
                                        {request.window.width(), request.window.height()});
      result.saved = {result.position.x, result.position.y, request.clientHeight};
      break;
    case kAlignTop:
      result.saved.top = request.window.top;
      result.saved.clientHeight = request.clientHeight;
      break;
    case kAlignBottom:
      result.position.y = saved.top + saved.clientHeight - request.clientHeight;
      result.saved.top = result.position.y;
      result.saved.clientHeight = request.clientHeight;
      break;
    default:  // the option is not clamped; an unknown mode leaves the window alone
      break;
  }
  return result;
}

Point DockToWorkArea(Point position, Size window, const Rect& workArea, int snapValue) {
  if (position.x == 0 && position.y == 0) return position;
  if (std::abs(position.x - workArea.left) < snapValue) position.x = workArea.left;
  if (std::abs(position.y - workArea.top) < snapValue) position.y = workArea.top;
  if (std::abs(workArea.right - (position.x + window.width)) < snapValue) {
    position.x = workArea.right - window.width;
  }
  if (std::abs(workArea.bottom - (position.y + window.height)) < snapValue) {
    position.y = workArea.bottom - window.height;
  }
  return position;
}

bool WindowMoved(const Rect& before, const Rect& after) {
  const bool leftMoved = std::abs(after.left - before.left) > 6 && after.right != before.right;
  return leftMoved || std::abs(after.top - before.top) >= 7;
}

uint8_t AlignAfterMove(uint8_t alignMode, bool moved) {
  if (moved && alignMode == kAlignTray) return kAlignTop;
  return alignMode;
}

}  // namespace qv
