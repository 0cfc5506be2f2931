// The plain controls of the window toolkit: value holders that the forms own under the
// names the system gives them.
#pragma once

#include <string>

namespace jelt::platform {

struct Label {
  std::string caption;
  bool enabled = true;
};

struct TextBox {
  std::string text;
};

}  // namespace jelt::platform
