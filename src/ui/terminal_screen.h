// The picture in the terminal, top to bottom: a header line that says what runs, the
// panel area (the program's windows, when they are shown as panels), the room, which
// scrolls on its own, and the bottom line where the person types or answers a box.
//
// The room is a scroll region of the terminal, so a new line there scrolls the room
// alone and leaves the bottom line, with whatever the person has half typed, where it is.
// Everything is written with escape sequences of ECMA-48 and xterm (alternate screen,
// scroll region, 24-bit colour), one write per change.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/html_render.h"
#include "ui/line_editor.h"
#include "ui/terminal_mode.h"

namespace jelt::ui {

// A place in the panel area: a line of it and a column on that line, both from 0.
struct PanelPlace {
  int line = 0;
  int column = 0;
  bool operator==(const PanelPlace&) const = default;
};

class TerminalScreen {
 public:
  using Writer = std::function<void(std::string_view bytes)>;

  // How many of the room's lines are kept for redrawing and for the goodbye.
  static constexpr std::size_t kKeptRoomLines = 500;

  explicit TerminalScreen(Writer write) : write_(std::move(write)) {}

  // Takes the alternate screen at this size and draws everything.
  void Open(TerminalSize size);
  // Gives the normal screen back and leaves the last of the room's lines on it, so that
  // what was said last stays in sight.
  void Close();
  void Resize(TerminalSize size);

  const TerminalSize& Size() const { return size_; }
  // The columns left for the line editor after a prefix on the bottom line.
  int EditorColumns(const StyledText& prefix) const;

  void SetHeader(StyledText header);
  // The panel area's lines; it never takes more than leaves the room two lines. With a
  // cursor place, the cursor stands there (a box of a panel is being filled in) instead of
  // on the bottom line.
  void SetPanelLines(std::vector<StyledText> lines,
                     std::optional<PanelPlace> cursor = std::nullopt);
  void AddRoomLine(StyledText line);
  // The bottom line: a prefix and what of the editor's line is in sight, with the cursor.
  void SetBottom(StyledText prefix, LineEditor::Window editor);

 private:
  int PanelRows() const;
  int RoomTop() const { return 2 + PanelRows(); }
  int RoomBottom() const { return size_.rows - 1; }

  void DrawAll();
  void DrawHeader(std::string& out) const;
  void DrawPanels(std::string& out) const;
  void DrawRoom(std::string& out) const;
  void DrawBottom(std::string& out) const;
  void Flush(std::string out) const;

  Writer write_;
  bool open_ = false;
  TerminalSize size_;
  StyledText header_;
  std::vector<StyledText> panels_;
  std::optional<PanelPlace> panel_cursor_;
  std::deque<StyledText> room_;
  StyledText bottom_prefix_;
  LineEditor::Window bottom_editor_;
};

// The columns the text takes.
int Width(const StyledText& text);
// The text cut to a number of columns.
StyledText CutToWidth(const StyledText& text, int columns);

}  // namespace jelt::ui
