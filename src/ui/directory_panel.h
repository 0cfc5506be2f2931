// The directory chooser (Form2) as a panel while it is shown: the path of its directory
// list, the directory that its "ok" would take.
#pragma once

#include <string>
#include <vector>

#include "ui/session.h"
#include "ui/terminal_panel.h"

namespace jelt::ui {

class DirectoryPanel final : public TerminalPanel {
 public:
  explicit DirectoryPanel(Session& session) : session_(session) {}

  std::string Name() const override { return "dir"; }
  bool Visible() const override;
  std::vector<StyledText> Render(int columns, bool focused) const override;
  bool HandleKey(const Key&) override { return false; }

 private:
  Session& session_;
};

}  // namespace jelt::ui
