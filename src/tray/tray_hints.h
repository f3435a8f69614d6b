#pragma once
// What the tray icon tells the user without the main window: its plain tip or
// a status balloon while the pointer rests on it, and the welcome balloon of
// the first run. The timers and shell calls that show them are the main
// window's (app/main_form_tray_win32.cpp).
#include <cstddef>
#include <filesystem>
#include <string>

namespace qv {

inline constexpr const char* kTrayTitle = "Quorvane";
// The pointer rests this long on the icon before the status balloon comes up.
inline constexpr unsigned kBalloonDelayMs = 750;
inline constexpr unsigned kBalloonSeconds = 10;
// The icon timer re-adds the icon once a second for the first ticks of a run
// (the shell may not have been ready at start), counting down from
// kIconCountdown; the first-run balloon comes at kWelcomeCountdown.
inline constexpr unsigned kIconTimerMs = 1000;
inline constexpr int kIconCountdown = 10;
inline constexpr int kWelcomeCountdown = 7;

// Whether the icon shows its plain tip (options ballon.hint and
// ballon.condition). Exactly where it does not, resting on the icon brings
// up the status balloon instead.
bool HintShowing(bool balloonHint, bool balloonCondition, bool mainWindowVisible);

struct TrayStatus {
  size_t savedSlots = 0;  // slots besides Slot 0
  int maxSlots = 0;       // option count
  bool clipboardHasData = false;
  bool url = false;
  bool mail = false;
};
// The status balloon's lines, joined by CR LF.
std::string StatusBalloonText(const TrayStatus& status);

// The first-run balloon's three lines, joined by CR LF: keys firstrun1 to
// firstrun3 of section MainForm of the language file (UTF-8 or ANSI, as it
// was saved), the built-in English line for each key that is missing or
// empty, and for all three when the path is empty or the file cannot be read.
std::string FirstRunText(const std::filesystem::path& languageFile);

// One tick of the icon timer at `countdown`.
struct IconTick {
  bool showWelcome = false;  // the first-run balloon comes up now
  bool stop = false;         // the timer stops after this tick
  int countdown = 0;         // for the next tick
};
IconTick IconTimerTick(int countdown, bool firstRun);

}  // namespace qv
