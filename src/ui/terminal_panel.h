// A panel: one of the program's windows drawn in the panel area above the room, kept
// current while the program runs, and worked with the keyboard while it has the focus.
// The view lays the visible panels out top to bottom in the order they were added; the
// n-th panel added takes the focus with F(n+1), or with "/panel NAME".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/html_render.h"
#include "ui/terminal_keys.h"
#include "ui/terminal_screen.h"

namespace jelt::ui {

class TerminalPanel {
 public:
  virtual ~TerminalPanel() = default;

  // The name "/panel" knows it by, such as "player" or "playlist".
  virtual std::string Name() const = 0;
  // Whether it is drawn now (a panel of a window follows the window's visible flag).
  virtual bool Visible() const = 0;
  // Its lines, one row each, for a width; what is wider is cut. `focused` when the keys
  // go to it, so that it can show its selection.
  virtual std::vector<StyledText> Render(int columns, bool focused) const = 0;
  // Where the cursor stands in those lines (counted from the panel's first) while the panel has the
  // focus and a box of it is being filled in; nullopt leaves the cursor at the prompt.
  virtual std::optional<PanelPlace> Cursor(int /*columns*/) const { return std::nullopt; }
  // A key while it has the focus; false when the panel has no use for it. Escape and the
  // function keys are the view's and never come here.
  virtual bool HandleKey(const Key& key) = 0;
};

}  // namespace jelt::ui
