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
  const int index = IndexOfName(items_, name);
  return index >= 0 && SetListIndex(index);
}

}  // namespace jelt::platform
