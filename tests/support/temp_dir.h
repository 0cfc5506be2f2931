// A fresh directory under the system's temporary directory, removed with its contents
// when the object goes.
#pragma once

#include <filesystem>
#include <string>

namespace jelt::test {

class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();

  const std::filesystem::path& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  // Writes a file (directories made as needed) and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  static std::string Read(const std::string& path);

 private:
  std::filesystem::path path_;
};

}  // namespace jelt::test
