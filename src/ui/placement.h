#pragma once
// Where the main window goes: next to the taskbar, with its top or bottom
// edge fixed, docked to the work area's edges; and when a drag counts as a
// move. Screen coordinates throughout.
#include <cstdint>
#include <optional>

namespace qv {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// Right and bottom are exclusive, as in a window rectangle.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

// Values of the `align` option.
enum AlignMode : uint8_t {
  kAlignTray = 1,
  kAlignTop = 2,
  kAlignBottom = 3,
};

enum class TaskbarSide { kLeft, kTop, kBottom, kRight };

TaskbarSide FindTaskbarSide(const Rect& taskbar, Size screen);
// The window's top-left corner next to the tray, one pixel clear of the
// taskbar and of the screen edge.
Point PlaceNextToTray(const Rect& taskbar, Size screen, Size window);

// What the last placement or move left behind; placement mode 3 keeps the
// bottom edge it describes.
struct SavedGeometry {
  int left = 0;  // after the last tray placement only
  int top = 0;
  int clientHeight = 0;
  bool operator==(const SavedGeometry&) const = default;
};

struct PlaceRequest {
  uint8_t alignMode = kAlignTray;
  Rect window;                  // outer rectangle, already sized for the current rows
  int clientHeight = 0;         // the current one
  std::optional<Rect> taskbar;  // none when the shell has no taskbar window
  Size screen;
};

struct Placement {
  Point position;  // the window's new top-left corner (unchanged when nothing moves)
  SavedGeometry saved;
};

Placement PlaceWindow(const PlaceRequest& request, const SavedGeometry& saved);

// Docking: edges closer than snapValue to the work area's edges move onto
// them, checked left, top, right, bottom in turn; an edge exactly snapValue
// away stays. A move to (0, 0) is left alone.
Point DockToWorkArea(Point position, Size window, const Rect& workArea, int snapValue);

// A drag counts as a move when the left edge travelled more than 6 pixels
// and the right edge moved too (dragging only the left edge is a resize), or
// the top edge travelled 7 pixels or more. `before` is the saved left and top
// with the size remembered when the drag began.
bool WindowMoved(const Rect& before, const Rect& after);
// Moving a window placed next to the tray fixes its top edge instead.
uint8_t AlignAfterMove(uint8_t alignMode, bool moved);

}  // namespace qv
