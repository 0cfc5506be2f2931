#include "aolwin/window_utils.h"

#include <sys/stat.h>

namespace jelt::aolwin {

void CentreForm(platform::UiHost& ui, platform::Form& form) {
  const platform::ScreenSize screen = ui.Screen();
  form.left = screen.width_twips / 2 - form.width / 2;
  form.top = static_cast<int>(screen.height_twips * 0.85 / 2 - form.height / 2.0);
  ui.MoveForm(form);
}

void KeepOnTop(platform::UiHost& ui, platform::Form& form) {
  ui.KeepOnTop(form);
}

void PlaySoundFile(platform::Sound& sound, const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) sound.PlayWave(path);
}

}  // namespace jelt::aolwin
