// The main window as a panel: the song on "mp3:" with its elapsed time and length, the
// three end-of-song modes with the selected one marked, and the play list with its
// selection. With the focus, Up and Down (Page Up, Page Down, Home, End) move the play
// list's selection, and n, c and r select the modes "Normal", "Cont." and "Rand", which
// runs the mode buttons' own handling.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "ui/session.h"
#include "ui/terminal_panel.h"
#include "ui/terminal_panel_frame.h"

namespace jelt::ui {

class PlayerPanel final : public TerminalPanel {
 public:
  // How many entries of the play list are in sight at once.
  static constexpr int kListRows = 6;

  explicit PlayerPanel(Session& session) : session_(session) {}

  std::string Name() const override { return "player"; }
  bool Visible() const override;
  std::vector<StyledText> Render(int columns, bool focused) const override;
  bool HandleKey(const Key& key) override;

 private:
  // The main window of the copy that runs now; null between copies.
  app::Form1* MainWindow() const;

  Session& session_;
  // Where the play list is scrolled to belongs to the panel, not to the program: it
  // follows the selection however the selection moves.
  mutable ListWindow list_{kListRows};
};

// Where a key moves the selection of a list of `count` entries with `page` rows in sight
// (-1 for none selected): Up from none comes in at the last entry, Down at the first, and
// neither goes past an end. nullopt for a key that moves nothing.
std::optional<int> MovedSelection(const Key& key, int selected, int count, int page);

}  // namespace jelt::ui
