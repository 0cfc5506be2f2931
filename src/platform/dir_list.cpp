#include "platform/dir_list.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/paths.h"

namespace jelt::platform {

DirList::DirList() {
  std::error_code error;
  path_ = TidyDirectory(std::filesystem::current_path(error).string());
}

bool DirList::SetPath(std::string_view path) {
  const std::string wanted = TidyDirectory(path);
  if (wanted.empty() || !IsReadableDirectory(wanted)) return false;
  path_ = wanted;
  return true;
}

bool IsReadableDirectory(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         ::access(path.c_str(), R_OK | X_OK) == 0;
}

}  // namespace jelt::platform
