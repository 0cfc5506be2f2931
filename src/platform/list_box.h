// A list box: its items and its selection (-1 for none).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace jelt::platform {

class ListBox {
 public:
  void AddItem(std::string item) { items_.push_back(std::move(item)); }
  void Clear();

  int ListCount() const { return static_cast<int>(items_.size()); }
  // The item at index, or "" outside the list.
  const std::string& List(int index) const;
  const std::vector<std::string>& Items() const { return items_; }

  int ListIndex() const { return list_index_; }
  // Selects an index; -1 clears the selection. An index outside -1 .. count - 1 is refused:
  // false, and the selection stays. Setting a new index raises the click handler.
  bool SetListIndex(int index);
  // Selects the first item equal to the name, letter case ignored. Returns false, and
  // leaves the selection as it was, when no item is equal.
  bool SelectName(std::string_view name);
  // The selected item, or "" with nothing selected.
  const std::string& Text() const { return List(list_index_); }

  // Raised when the selection is set to an item, by a person or by code.
  std::function<void()> on_click;

 private:
  std::vector<std::string> items_;
  int list_index_ = -1;
};

}  // namespace jelt::platform
