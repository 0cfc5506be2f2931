// A one-line editor for the terminal's prompt and input boxes, as a state machine over
// keys: printable characters are inserted at the cursor, the cursor moves with Left,
// Right, Home and End (and Ctrl-B, Ctrl-F, Ctrl-A, Ctrl-E), Backspace and Delete remove,
// Ctrl-U, Ctrl-K and Ctrl-W cut to the start, to the end and the word before, Up and Down
// go through the lines entered before. Enter hands the line over.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/terminal_keys.h"

namespace jelt::ui {

class LineEditor {
 public:
  enum class Outcome {
    kEditing,     // the key changed the line or the cursor, or did nothing
    kSubmit,      // Enter: the line is in Result::line, and the editor is empty again
    kCancel,      // Escape
    kEndOfInput,  // Ctrl-D on an empty line
    kInterrupt,   // Ctrl-C
  };
  struct Result {
    Outcome outcome = Outcome::kEditing;
    std::string line;
  };
  // What of the line fits in a number of columns, and where the cursor stands in it.
  struct Window {
    std::string text;
    int cursor_column = 0;
  };

  Result Apply(const Key& key);

  std::string Text() const;
  // The cursor, in characters from the start.
  std::size_t Cursor() const { return cursor_; }
  // Replaces the line, with the cursor at its end.
  void SetText(std::string_view utf8);

  // The part of the line to show in `columns`, scrolled so that the cursor is in sight
  // (the cursor takes a column of its own at the end of the line).
  Window Visible(int columns) const;

 private:
  void Insert(char32_t c);
  void EraseBefore();
  void EraseWordBefore();
  void EraseAt();
  void Recall(int step);
  Result Submit();

  std::u32string text_;
  std::size_t cursor_ = 0;
  std::vector<std::u32string> history_;
  // Which line of the history is shown; history_.size() for the one being written.
  std::size_t recalled_ = 0;
  std::u32string unsent_;  // the line being written, while an earlier one is shown
};

}  // namespace jelt::ui
