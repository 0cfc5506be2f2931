#include "ui/terminal_screen.h"

#include <algorithm>

#include "platform/text.h"
#include "ui/display_width.h"

namespace jelt::ui {

namespace {

constexpr std::string_view kCsi = "\x1b[";
// The header stands out as a bar in reverse video.
constexpr std::string_view kHeaderStyle = "\x1b[0;7m";

std::string MoveTo(int row, int column) {
  return std::string(kCsi) + std::to_string(row) + ';' + std::to_string(column) + 'H';
}

std::string ClearLineAt(int row) {
  return MoveTo(row, 1) + "\x1b[0m\x1b[2K";
}

}  // namespace

int Width(const StyledText& text) {
  int width = 0;
  for (const StyledRun& run : text)
    width += DisplayWidth(run.text);
  return width;
}

StyledText CutToWidth(const StyledText& text, int columns) {
  StyledText out;
  int used = 0;
  for (const StyledRun& run : text) {
    std::string kept;
    for (std::size_t at = 0; at < run.text.size();) {
      const std::size_t start = at;
      const int width = CharWidth(platform::NextChar(run.text, at));
      if (used + width > columns) {
        AppendStyled(out, kept, run.style);
        return out;
      }
      used += width;
      kept.append(run.text, start, at - start);
    }
    AppendStyled(out, kept, run.style);
  }
  return out;
}

void TerminalScreen::Open(TerminalSize size) {
  open_ = true;
  size_ = size;
  Flush("\x1b[?1049h");
  DrawAll();
}

void TerminalScreen::Close() {
  if (!open_) return;
  open_ = false;
  std::string out = "\x1b[r\x1b[0m\x1b[?25h\x1b[?1049l";
  const std::size_t shown = std::min<std::size_t>(room_.size(), std::max(size_.rows - 2, 1));
  for (auto line = room_.end() - static_cast<std::ptrdiff_t>(shown); line != room_.end(); ++line)
    out += ToAnsi(*line) + "\x1b[0m\n";
  Flush(std::move(out));
}

void TerminalScreen::Resize(TerminalSize size) {
  size_ = size;
  if (open_) DrawAll();
}

int TerminalScreen::EditorColumns(const StyledText& prefix) const {
  return std::max(size_.columns - Width(CutToWidth(prefix, size_.columns)), 1);
}

void TerminalScreen::SetHeader(StyledText header) {
  header_ = std::move(header);
  if (!open_) return;
  std::string out = "\x1b[?25l";
  DrawHeader(out);
  DrawBottom(out);
  Flush(std::move(out));
}

void TerminalScreen::SetPanelLines(std::vector<StyledText> lines,
                                   std::optional<PanelPlace> cursor) {
  const int old_rows = PanelRows();
  panels_ = std::move(lines);
  panel_cursor_ = cursor;
  if (!open_) return;
  if (PanelRows() != old_rows) {
    DrawAll();
    return;
  }
  std::string out = "\x1b[?25l";
  DrawPanels(out);
  DrawBottom(out);
  Flush(std::move(out));
}

void TerminalScreen::AddRoomLine(StyledText line) {
  room_.push_back(std::move(line));
  if (room_.size() > kKeptRoomLines) room_.pop_front();
  if (!open_) return;
  // A line feed on the room's last row scrolls the room, and only the room.
  std::string out =
      "\x1b[?25l" + MoveTo(RoomBottom(), 1) + "\n\r" + ToAnsi(room_.back()) + "\x1b[0m";
  DrawBottom(out);
  Flush(std::move(out));
}

void TerminalScreen::SetBottom(StyledText prefix, LineEditor::Window editor) {
  bottom_prefix_ = std::move(prefix);
  bottom_editor_ = std::move(editor);
  if (!open_) return;
  std::string out = "\x1b[?25l";
  DrawBottom(out);
  Flush(std::move(out));
}

int TerminalScreen::PanelRows() const {
  // The header, at least two lines of room and the bottom line come first.
  const int most = std::max(size_.rows - 4, 0);
  return std::min(static_cast<int>(panels_.size()), most);
}

void TerminalScreen::DrawAll() {
  std::string out = "\x1b[?25l\x1b[r\x1b[0m\x1b[2J";
  DrawHeader(out);
  DrawPanels(out);
  out += std::string(kCsi) + std::to_string(RoomTop()) + ';' + std::to_string(RoomBottom()) + 'r';
  DrawRoom(out);
  DrawBottom(out);
  Flush(std::move(out));
}

void TerminalScreen::DrawHeader(std::string& out) const {
  const StyledText shown = CutToWidth(header_, size_.columns);
  std::string text;
  for (const StyledRun& run : shown)
    text += run.text;
  out += ClearLineAt(1);
  out += kHeaderStyle;
  out += text;
  out +=
      std::string(static_cast<std::size_t>(std::max(size_.columns - DisplayWidth(text), 0)), ' ');
  out += "\x1b[0m";
}

void TerminalScreen::DrawPanels(std::string& out) const {
  for (int row = 0; row < PanelRows(); ++row) {
    out += ClearLineAt(2 + row);
    out += ToAnsi(CutToWidth(panels_[static_cast<std::size_t>(row)], size_.columns));
    out += "\x1b[0m";
  }
}

void TerminalScreen::DrawRoom(std::string& out) const {
  const std::size_t rows = static_cast<std::size_t>(std::max(RoomBottom() - RoomTop() + 1, 1));
  const std::size_t shown = std::min(room_.size(), rows);
  out += MoveTo(RoomBottom(), 1);
  for (auto line = room_.end() - static_cast<std::ptrdiff_t>(shown); line != room_.end(); ++line)
    out += "\n\r" + ToAnsi(*line) + "\x1b[0m";
}

void TerminalScreen::DrawBottom(std::string& out) const {
  const StyledText prefix = CutToWidth(bottom_prefix_, size_.columns);
  const int prefix_width = Width(prefix);
  out += ClearLineAt(size_.rows);
  out += ToAnsi(prefix);
  out += "\x1b[0m";
  out += bottom_editor_.text;
  if (panel_cursor_ && panel_cursor_->line < PanelRows()) {
    out += MoveTo(2 + panel_cursor_->line, std::min(panel_cursor_->column + 1, size_.columns));
  } else {
    out += MoveTo(size_.rows,
                  std::min(prefix_width + bottom_editor_.cursor_column + 1, size_.columns));
  }
  out += "\x1b[?25h";
}

void TerminalScreen::Flush(std::string out) const {
  write_(out);
}

}  // namespace jelt::ui
