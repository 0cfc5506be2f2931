#include "platform/list_box.h"

#include "platform/text.h"

namespace jelt::platform {

namespace {
const std::string kNoItem;
}

void ListBox::Clear() {
  items_.clear();
  list_index_ = -1;
}

const std::string& ListBox::List(int index) const {
  if (index < 0 || index >= ListCount()) return kNoItem;
  return items_[static_cast<std::size_t>(index)];
}

bool ListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return false;
  const bool changed = index != list_index_;
  list_index_ = index;
  if (changed && index >= 0 && on_click) on_click();
  return true;
}

bool ListBox::SelectName(std::string_view name) {
  const std::string wanted = LowerCase(name);
  for (int i = 0; i < ListCount(); ++i) {
    // Lower-casing keeps a text's length in bytes, so only items of the same length can
    // be equal.
    const std::string& item = items_[static_cast<std::size_t>(i)];
    if (item.size() == wanted.size() && LowerCase(item) == wanted) return SetListIndex(i);
  }
  return false;
}

}  // namespace jelt::platform
