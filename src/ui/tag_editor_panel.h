// The tag editor (Form10) as a panel while it is loaded and shown: its five rows with their
// text boxes, and the buttons "Set Tags" and "Cancel". With the focus, Up, Down and Tab go
// from box to box and on to the buttons; what is typed goes into the focused box, with the
// prompt's line editing; Enter goes on to the next box, or presses the focused button.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "id3tag/tag_windows.h"
#include "ui/line_editor.h"
#include "ui/session.h"
#include "ui/terminal_panel.h"

namespace jelt::ui {

class TagEditorPanel final : public TerminalPanel {
 public:
  explicit TagEditorPanel(Session& session) : session_(session) {}

  std::string Name() const override { return "edittags"; }
  bool Visible() const override;
  std::vector<StyledText> Render(int columns, bool focused) const override;
  std::optional<PanelPlace> Cursor(int columns) const override;
  bool HandleKey(const Key& key) override;

 private:
  // Where the focus can stand: the five boxes top to bottom, then the two buttons.
  static constexpr int kBoxCount = 5;
  static constexpr int kSetTags = 5;
  static constexpr int kCancel = 6;
  static constexpr int kStopCount = 7;

  // The program loads and unloads the window, so it is looked up every time.
  id3tag::TagEditor* Editor() const;
  void HandleBoxKey(platform::TextBox& box, const Key& key);
  void Press(void (id3tag::TagEditor::*click)());
  // The box's text as it is being edited: the panel's line editor while that holds the
  // box's text, or else the text as the program left it, with the cursor at its end.
  LineEditor Shown(const platform::TextBox& box, int stop) const;

  Session& session_;
  int stop_ = 0;
  LineEditor line_;
  // The box that line_ was filled from; -1 for none.
  int line_stop_ = -1;
  // A button's work is going on ("Set Tags" waits before the window goes).
  bool pressing_ = false;
};

}  // namespace jelt::ui
