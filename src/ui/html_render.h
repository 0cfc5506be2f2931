// The room's lines are HTML of the kind the chat client sends: fonts with colours, bold,
// italic and underline, and a few entities. This turns such a line into runs of styled
// text, and runs into the terminal's escape sequences (24-bit colour).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jelt::ui {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

struct TextStyle {
  // The terminal's own foreground when there is none.
  std::optional<Rgb> color;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const TextStyle&) const = default;
};

struct StyledRun {
  std::string text;  // UTF-8, free of control characters
  TextStyle style;
  bool operator==(const StyledRun&) const = default;
};

using StyledText = std::vector<StyledRun>;

// Appends text in a style, joining it to the last run when that has the same style.
// Control characters become spaces (tab, line breaks) or "?", so that nobody in the room
// can send the terminal escape sequences of his own.
void AppendStyled(StyledText& out, std::string_view utf8, const TextStyle& style);

// Reads a line of chat HTML, starting from `base`. A <font color=#rrggbb> sets the colour
// until the next font tag: a </font> goes back to the colour before it, a <font> without
// a colour keeps the one in force. <b>, <i>, <u> and their closing tags switch the styles;
// every other tag is dropped, and entities (&lt; &gt; &amp; &quot; &apos; &nbsp; and
// numeric ones) are decoded. A "<" or "&" that begins no tag or entity is text.
StyledText ParseChatHtml(std::string_view html, const TextStyle& base = {});

// The escape sequences that show the runs, ending in the terminal's plain style.
std::string ToAnsi(const StyledText& text);

}  // namespace jelt::ui
