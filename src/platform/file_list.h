// A file list control: the ordinary files of one directory whose names match a pattern,
// sorted by name with letter case ignored, and a selection (-1 for none).
//
// The pattern's wildcards are those of the platform's file search: "*" any run, "?" one
// character, letter case ignored. Hidden files (names that begin with ".") are not listed;
// a directory that cannot be read lists nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jelt::platform {

class FileList {
 public:
  explicit FileList(std::string pattern) : pattern_(std::move(pattern)) {}

  const std::string& Path() const { return path_; }
  // Points the list at a directory and lists it. Returns false when the directory cannot
  // be read; the list then holds nothing, but keeps the new path.
  bool SetPath(std::string_view path);
  // Lists the directory again, taking in files added or removed since.
  void Refresh();

  const std::string& Pattern() const { return pattern_; }

  int ListCount() const { return static_cast<int>(names_.size()); }
  const std::string& List(int index) const;
  const std::vector<std::string>& Items() const { return names_; }

  int ListIndex() const { return list_index_; }
  // As ListBox::SetListIndex: -1 .. count - 1, anything else is refused.
  bool SetListIndex(int index);
  bool SelectName(std::string_view name);
  // The selected file's name, or "" with nothing selected.
  const std::string& FileName() const { return List(list_index_); }
  // Clears the selection (the toolkit's "file name" set to empty).
  void ClearFileName() { list_index_ = -1; }

 private:
  std::string path_;
  std::string pattern_;
  std::vector<std::string> names_;
  int list_index_ = -1;
};

// Whether a file name matches a file-search pattern ("*", "?", case ignored).
bool FileNameMatches(std::string_view name, std::string_view pattern);

}  // namespace jelt::platform
