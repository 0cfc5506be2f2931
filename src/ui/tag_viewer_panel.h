// The tag viewer (Form9) as a panel while it is loaded and shown: its six rows, each
// caption with the value the window read when it loaded.
#pragma once

#include <string>
#include <vector>

#include "id3tag/tag_windows.h"
#include "ui/session.h"
#include "ui/terminal_panel.h"

namespace jelt::ui {

class TagViewerPanel final : public TerminalPanel {
 public:
  explicit TagViewerPanel(Session& session) : session_(session) {}

  std::string Name() const override { return "tags"; }
  bool Visible() const override;
  std::vector<StyledText> Render(int columns, bool focused) const override;
  bool HandleKey(const Key&) override { return false; }

 private:
  // The program loads and unloads the window, so it is looked up every time.
  id3tag::TagViewer* Viewer() const;

  Session& session_;
};

}  // namespace jelt::ui
