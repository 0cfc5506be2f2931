// Where things are on a Linux desktop: the directory of the running program's file, and
// the user's configuration directory of the XDG base directory rules.
#pragma once

#include <string>

namespace jelt::posix {

// The directory that holds the running executable (from /proc/self/exe), without a
// trailing separator; "." when it cannot be told.
std::string ExecutableDirectory();

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config (the home from the
// password database when $HOME is not set).
std::string UserConfigDirectory();

// The same rule over given values, for any environment; either may be null.
std::string ConfigDirectoryFrom(const char* xdg_config_home, const char* home);

}  // namespace jelt::posix
