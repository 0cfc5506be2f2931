#include "platform/file_list.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "platform/dir_list.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace jelt::platform {

namespace {

const std::string kNoName;

bool IsRegularFile(const std::string& directory, const dirent& entry) {
  if (entry.d_type == DT_REG) return true;
  if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) return false;
  struct stat info {};
  const std::string path = JoinPath(directory, entry.d_name);
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// "*" and "?" over characters; both sides already lower-cased.
bool GlobMatch(std::string_view name, std::string_view pattern) {
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t star_p = std::string_view::npos;
  std::size_t star_n = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star_p = ++p;
      star_n = n;
      continue;
    }
    if (p < pattern.size()) {
      std::size_t next_n = n;
      const char32_t c = NextChar(name, next_n);
      std::size_t next_p = p;
      const char32_t pc = NextChar(pattern, next_p);
      if (pc == U'?' || pc == c) {
        n = next_n;
        p = next_p;
        continue;
      }
    }
    if (star_p == std::string_view::npos) return false;
    NextChar(name, star_n);
    n = star_n;
    p = star_p;
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

// Without "?", the pattern's literal runs match byte for byte: in UTF-8 a run that begins
// with a whole character can only be found where a character begins. Each run between
// stars is then found with one search, the first run at the front and the last at the end.
bool StarMatch(std::string_view name, std::string_view pattern) {
  const std::size_t first_star = pattern.find('*');
  if (first_star == std::string_view::npos) return name == pattern;
  const std::size_t last_star = pattern.rfind('*');
  const std::string_view head = pattern.substr(0, first_star);
  const std::string_view tail = pattern.substr(last_star + 1);
  if (name.size() < head.size() + tail.size() || !name.starts_with(head) || !name.ends_with(tail))
    return false;
  name = name.substr(head.size(), name.size() - head.size() - tail.size());
  pattern = pattern.substr(first_star + 1, last_star - first_star);
  while (!pattern.empty()) {
    const std::size_t star = pattern.find('*');
    const std::string_view run = pattern.substr(0, star);
    if (!run.empty()) {
      const std::size_t at = name.find(run);
      if (at == std::string_view::npos) return false;
      name.remove_prefix(at + run.size());
    }
    pattern.remove_prefix(star + 1);
  }
  return true;
}

bool Matches(std::string_view name, std::string_view pattern) {
  return pattern.find('?') == std::string_view::npos ? StarMatch(name, pattern)
                                                     : GlobMatch(name, pattern);
}

}  // namespace

bool FileNameMatches(std::string_view name, std::string_view pattern) {
  return Matches(LowerCase(name), LowerCase(pattern));
}

bool FileList::SetPath(std::string_view path) {
  path_ = TidyDirectory(path);
  Refresh();
  return !path_.empty() && IsReadableDirectory(path_);
}

void FileList::Refresh() {
  names_.clear();
  list_index_ = -1;
  if (path_.empty()) return;
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path_.c_str()), ::closedir);
  if (!dir) return;
  const std::string pattern = LowerCase(pattern_);
  struct Entry {
    std::string key;
    std::string name;
  };
  std::vector<Entry> entries;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (entry->d_name[0] == '.') continue;
    std::string lowered = LowerCase(entry->d_name);
    if (!Matches(lowered, pattern) || !IsRegularFile(path_, *entry)) continue;
    entries.push_back({std::move(lowered), entry->d_name});
  }
  // The entries stay where they are and only pointers to them move while sorting.
  std::vector<Entry*> order;
  order.reserve(entries.size());
  for (Entry& e : entries)
    order.push_back(&e);
  std::sort(order.begin(), order.end(), [](const Entry* a, const Entry* b) {
    const int by_key = a->key.compare(b->key);
    return by_key != 0 ? by_key < 0 : a->name < b->name;
  });
  names_.reserve(entries.size());
  for (Entry* e : order)
    names_.push_back(std::move(e->name));
}

const std::string& FileList::List(int index) const {
  if (index < 0 || index >= ListCount()) return kNoName;
  return names_[static_cast<std::size_t>(index)];
}

bool FileList::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return false;
  list_index_ = index;
  return true;
}

bool FileList::SelectName(std::string_view name) {
  const int index = IndexOfName(names_, name);
  return index >= 0 && SetListIndex(index);
}

}  // namespace jelt::platform
