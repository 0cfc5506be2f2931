#include "platform/paths.h"

namespace jelt::platform {

std::string JoinPath(std::string_view directory, std::string_view name) {
  std::string path(directory);
  path.push_back(kPathSeparator);
  path.append(name);
  return path;
}

std::string TidyDirectory(std::string_view directory) {
  std::string tidy(directory);
  while (tidy.size() > 1 && tidy.back() == kPathSeparator)
    tidy.pop_back();
  return tidy;
}

}  // namespace jelt::platform
