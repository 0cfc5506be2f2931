// A group of option buttons: exactly one is selected.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace jelt::platform {

class OptionGroup {
 public:
  OptionGroup(std::vector<std::string> captions, int selected)
      : captions_(std::move(captions)), selected_(selected) {}

  int Selected() const { return selected_; }
  bool IsSelected(int index) const { return selected_ == index; }
  const std::string& Caption(int index) const { return captions_[static_cast<std::size_t>(index)]; }
  int Count() const { return static_cast<int>(captions_.size()); }

  // Selects an option and unselects the others. Selecting one that is not yet selected,
  // by a person or by code, raises on_click with its index; selecting the selected one
  // again changes nothing.
  void Select(int index) {
    if (index == selected_ || index < 0 || index >= Count()) return;
    selected_ = index;
    if (on_click) on_click(index);
  }

  std::function<void(int)> on_click;

 private:
  std::vector<std::string> captions_;
  int selected_;
};

}  // namespace jelt::platform
