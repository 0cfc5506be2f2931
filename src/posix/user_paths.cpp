#include "posix/user_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/paths.h"

namespace jelt::posix {

std::string ExecutableDirectory() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !exe.has_parent_path()) return ".";
  return platform::TidyDirectory(exe.parent_path().string());
}

std::string ConfigDirectoryFrom(const char* xdg_config_home, const char* home) {
  // The rules ignore a relative XDG_CONFIG_HOME.
  if (xdg_config_home != nullptr && xdg_config_home[0] == '/') {
    return platform::TidyDirectory(xdg_config_home);
  }
  std::string base = home != nullptr && home[0] != '\0' ? home : "";
  if (base.empty()) {
    const passwd* entry = ::getpwuid(::getuid());
    base = entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "/tmp";
  }
  return platform::JoinPath(platform::TidyDirectory(base), ".config");
}

std::string UserConfigDirectory() {
  return ConfigDirectoryFrom(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

}  // namespace jelt::posix
