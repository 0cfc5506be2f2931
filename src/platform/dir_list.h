// A directory list control: the directory it shows. Pointing it at a directory that does
// not exist or cannot be read is refused, and it keeps the one it had.
#pragma once

#include <string>
#include <string_view>

namespace jelt::platform {

class DirList {
 public:
  // A new list shows the process's current directory.
  DirList();

  // The path as it was set (a new list's is absolute), without a trailing separator
  // except for the root.
  const std::string& Path() const { return path_; }
  bool SetPath(std::string_view path);

 private:
  std::string path_;
};

// Whether a path names a directory that can be listed.
bool IsReadableDirectory(const std::string& path);

}  // namespace jelt::platform
