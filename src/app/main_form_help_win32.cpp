// The help viewer over manual.chm and the painter of the menus' own look.
#include "app/main_form_win32.h"

#include "util/codepage.h"

namespace qv {

constexpr const char* kHelpFile = "manual.chm";

void TMainForm::CreateHelpViewer() {
  htmlHelp_ = std::make_unique<win32::Win32HtmlHelp>();
  const std::u8string folder = ProgramFolder().u8string();
  helpViewer_ =
      std::make_unique<THtmlHelpViewer>(*htmlHelp_, std::string(folder.begin(), folder.end()));
  helpViewer_->SetHelpFile(kHelpFile);
  helpViewer_->SetOwner(reinterpret_cast<uintptr_t>(hwnd_));
}

void TMainForm::ShowHelp(const std::string& topic) {
  if (helpViewer_) helpViewer_->ShowTopic(topic);
}

void TMainForm::CreateMenuPainter() {
  // The look is chosen once; switching the option takes effect at the next start.
  if (!core_->options.stylemenus) return;
  menuPainter_ = std::make_unique<win32::TStyledMenu>(ProgramMenuStyle());
  win32::SetMenuPainter(menuPainter_.get());
}

void TMainForm::ReleaseHelpAndMenus() {
  // Closes every help window the program opened, then frees the library.
  helpViewer_.reset();
  htmlHelp_.reset();
  win32::SetMenuPainter(nullptr);
}

}  // namespace qv
