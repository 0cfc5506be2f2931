// The terminal in raw mode for as long as an object lives: keys come one at a time, not
// echoed, and Ctrl-C, Ctrl-Z and Ctrl-S are keys rather than signals. Output processing
// stays on, so "\n" still starts a new line at its left.
#pragma once

#include <termios.h>

#include <optional>

namespace jelt::ui {

struct TerminalSize {
  int rows = 24;
  int columns = 80;
  bool operator==(const TerminalSize&) const = default;
};

class RawTerminal {
 public:
  // Leaves `fd` as it is when it is not a terminal.
  explicit RawTerminal(int fd);
  RawTerminal(const RawTerminal&) = delete;
  RawTerminal& operator=(const RawTerminal&) = delete;
  ~RawTerminal();

  bool IsTerminal() const { return saved_.has_value(); }

 private:
  int fd_;
  std::optional<termios> saved_;
};

// The size of the terminal on `fd`; 24 by 80 when it cannot be told.
TerminalSize QueryTerminalSize(int fd);

}  // namespace jelt::ui
