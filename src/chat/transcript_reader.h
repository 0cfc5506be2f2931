// Tells the new lines of the chat room's transcript apart from those already seen.
//
// The transcript is a rich-edit control of the client that keeps only its last lines, so
// its text alone is ambiguous: the client adds a line and drops the oldest, and two lines
// can read the same. The reader watches the control's modify flag, which the client sets
// on every change and the reader clears after each read: a set flag means at least one
// line came. The new lines are then those after the longest run at the start of the text
// that repeats the end of what was read before.
#pragma once

#include <string>
#include <vector>

#include "aolwin/client.h"

namespace jelt::chat {

class TranscriptReader {
 public:
  explicit TranscriptReader(aolwin::Client& client) : client_(client) {}

  // The lines added since the last read, oldest first. The first read of a transcript
  // (also after the member changed rooms) only takes it in and returns nothing.
  std::vector<std::string> ReadNewLines();

 private:
  aolwin::Client& client_;
  platform::Hwnd transcript_ = 0;
  std::vector<std::string> lines_;
};

// The lines of a transcript's text: separated by CR LF, CR or LF; no empty last line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace jelt::chat
