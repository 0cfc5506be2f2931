// The keys a person presses, decoded from the bytes a terminal sends in raw mode: UTF-8
// characters, control keys, and the escape sequences of the cursor, editing and function
// keys (as xterm, the Linux console and their kin send them).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jelt::ui {

enum class KeyCode {
  kChar,      // a printable character, in `ch`
  kControl,   // Ctrl with a letter, the letter ('a'..'z') in `ch`
  kFunction,  // F1..F12, the number in `number`
  kEnter,
  kTab,
  kBackspace,
  kDelete,
  kEscape,
  kLeft,
  kRight,
  kUp,
  kDown,
  kHome,
  kEnd,
  kPageUp,
  kPageDown,
  kInsert,
  kUnknown,  // a sequence that means nothing here
};

struct Key {
  KeyCode code = KeyCode::kUnknown;
  char32_t ch = 0;
  int number = 0;
  bool operator==(const Key&) const = default;
};

inline Key CharKey(char32_t c) {
  return {KeyCode::kChar, c};
}
inline Key ControlKey(char letter) {
  return {KeyCode::kControl, static_cast<char32_t>(letter)};
}
inline Key FunctionKey(int number) {
  return {KeyCode::kFunction, 0, number};
}
inline Key PlainKey(KeyCode code) {
  return {code};
}

// Bytes in, keys out. A sequence split between two reads is kept until its rest comes;
// the Escape key alone looks like the start of a sequence, so whoever reads the terminal
// calls Flush when no more bytes follow soon after it.
class KeyDecoder {
 public:
  void Feed(std::string_view bytes, std::vector<Key>& keys);
  // Whether bytes wait for the rest of a sequence.
  bool Pending() const { return !pending_.empty(); }
  // Ends what waits: an Escape with nothing after it is the Escape key.
  void Flush(std::vector<Key>& keys);

 private:
  void Decode(std::vector<Key>& keys);

  std::string pending_;
};

}  // namespace jelt::ui
