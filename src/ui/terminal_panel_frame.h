// The look that the panels of the program's windows share: a rule with the window's title
// over each, rows of a caption and a value, the line of keys under the focused panel, and a
// window onto a list that scrolls to keep its selection in sight.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/html_render.h"

namespace jelt::ui {

// The program's own two colours, as its lines in the room use them.
inline constexpr TextStyle kPanelTextStyle{Rgb{0xaa, 0xbb, 0xcc}};
inline constexpr TextStyle kPanelValueStyle{Rgb{0x98, 0xcc, 0xff}};
inline constexpr TextStyle kPanelChosenStyle{Rgb{0xff, 0xff, 0xff}, true};
inline constexpr TextStyle kPanelHintStyle{Rgb{0x9e, 0x9e, 0x9e}};

// What marks the chosen row of a list or a form, and what stands before the others.
inline constexpr std::string_view kChosenMark = "▶ ";
inline constexpr std::string_view kOtherMark = "  ";

// "─ TITLE ───── NOTE ─" across the columns; bright while the panel has the focus. The note
// (a list's range, "minimised") may be empty.
StyledText PanelTitle(std::string_view title, std::string_view note, int columns, bool focused);
// The keys the focused panel takes, on a line of their own under it.
StyledText PanelKeys(std::string_view keys);
// What a window shows of a text: a zero byte ends it, as it ends a window's text. Tag
// fields are often padded with zero bytes, and the program keeps them as it reads them.
std::string_view ShownText(std::string_view text);
// The text followed by spaces up to a number of columns; text that is wider stays whole.
std::string PadToWidth(std::string_view text, int columns);
// As much of the text from its start as fits in a number of columns.
std::string CutToColumns(std::string_view text, int columns);
// The columns the widest of the texts takes.
int WidestOf(const std::vector<std::string>& texts);

// A window of a few rows onto a list.
class ListWindow {
 public:
  explicit ListWindow(int rows) : rows_(rows) {}

  int Rows() const { return rows_; }
  int Top() const { return top_; }

  // Keeps the window within a list of `count` entries and, when the selection is new
  // since the last call, scrolls as little as it takes to bring it in sight (-1 for none).
  void Follow(int selected, int count);
  // Scrolls by a number of rows (up when negative), within the list.
  void Scroll(int rows, int count);
  // "4–9 of 20" while the list does not fit in the window; "" when it does.
  std::string Range(int count) const;
  // The rows in sight, the selected entry marked, each numbered from 1 when `numbered`;
  // one row of `empty_text` for an empty list.
  std::vector<StyledText> Lines(const std::vector<std::string>& items, int selected, bool numbered,
                                std::string_view empty_text) const;

 private:
  void Clamp(int count);

  int rows_;
  int top_ = 0;
  int followed_ = -1;
};

}  // namespace jelt::ui
