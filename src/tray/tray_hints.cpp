#include "tray/tray_hints.h"

#include <array>

#include "lang/language_text.h"

namespace qv {
namespace {

constexpr std::array<const char*, 3> kFirstRunLines = {
    "The program is started for", "the first time. Click this", "icon to open the main window."};

const char* YesNo(bool value) {
  return value ? "Yes" : "No";
}

}  // namespace

bool HintShowing(bool balloonHint, bool balloonCondition, bool mainWindowVisible) {
  if (!balloonHint) return true;
  return balloonCondition && mainWindowVisible;
}

std::string StatusBalloonText(const TrayStatus& s) {
  return "Slots: " + std::to_string(s.savedSlots) + " of " + std::to_string(s.maxSlots) + "\r\n" +
         (s.clipboardHasData ? "The clipboard is not empty" : "The clipboard is empty") +
         "\r\n\r\nURL action: " + YesNo(s.url) + "\r\nMail action: " + YesNo(s.mail);
}

std::string FirstRunText(const std::filesystem::path& languageFile) {
  const IniDocument language = LoadLanguageFile(languageFile);
  std::string text;
  for (size_t i = 0; i < kFirstRunLines.size(); ++i) {
    std::string line = LanguageValue(language, "MainForm", "firstrun" + std::to_string(i + 1));
    if (line.empty()) line = kFirstRunLines[i];
    if (i > 0) text += "\r\n";
    text += line;
  }
  return text;
}

IconTick IconTimerTick(int countdown, bool firstRun) {
  IconTick tick;
  tick.showWelcome = firstRun && countdown == kWelcomeCountdown;
  tick.stop = countdown <= 0;
  tick.countdown = tick.stop ? 0 : countdown - 1;
  return tick;
}

}  // namespace qv
