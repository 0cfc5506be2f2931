#include "aolwin/window_utils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

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

int RandomNumber(platform::Random& random, int n) {
  return static_cast<int>(n * random.NextFraction() + 1);
}

namespace {

bool WriteAt(int fd, char fill, off_t at) {
  static constexpr std::size_t kBlock = 4096;
  const std::string block(kBlock, fill);
  return ::pwrite(fd, block.data(), kBlock, at) == static_cast<ssize_t>(kBlock);
}

}  // namespace

bool WipeFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  const int fd = ::open(path.c_str(), O_WRONLY);  // never creates the file
  if (fd < 0) return false;
  bool written = true;
  const off_t blocks = info.st_size / 4096 + 1;
  for (off_t block = 0; block < blocks && written; ++block) {
    written = WriteAt(fd, 'X', block * 4096) && WriteAt(fd, ' ', block * 4096);
  }
  written = ::fsync(fd) == 0 && written;
  ::close(fd);
  return written && std::remove(path.c_str()) == 0;
}

}  // namespace jelt::aolwin
