// The play list window (Form3) as a panel while it is shown: the lines of its List1, with
// the selected one marked. With the focus, Up and Down (Page Up, Page Down, Home, End)
// scroll through them.
#pragma once

#include <string>
#include <vector>

#include "player/forms.h"
#include "ui/session.h"
#include "ui/terminal_panel.h"
#include "ui/terminal_panel_frame.h"

namespace jelt::ui {

class PlaylistPanel final : public TerminalPanel {
 public:
  static constexpr int kListRows = 8;

  explicit PlaylistPanel(Session& session) : session_(session) {}

  std::string Name() const override { return "playlist"; }
  bool Visible() const override;
  std::vector<StyledText> Render(int columns, bool focused) const override;
  bool HandleKey(const Key& key) override;

 private:
  const player::PlayListWindow* Window() const;

  Session& session_;
  mutable ListWindow list_{kListRows};
};

}  // namespace jelt::ui
