// Joining and tidying paths. The system joins a directory and a name with a backslash;
// this build joins them with the platform's separator, "/". A directory is kept without a
// trailing separator, except for the root.
#pragma once

#include <string>
#include <string_view>

namespace jelt::platform {

inline constexpr char kPathSeparator = '/';

// The directory, one separator and the name. No separator is added or removed otherwise,
// so an empty directory gives "/name", as the system's plain concatenation would.
std::string JoinPath(std::string_view directory, std::string_view name);

// The directory without its trailing separators; the root stays "/".
std::string TidyDirectory(std::string_view directory);

}  // namespace jelt::platform
