// A row of a command table: which lines it takes, where its argument begins, what it runs
// and whether that may end the dispatch.
#pragma once

#include <string>
#include <string_view>

namespace jelt::chat {

class Interpreter;

// Match: the lowered text as a whole matches the pattern under the Like rules. Equal: the
// lowered text is the pattern, character for character ("?" is then an ordinary character).
enum class Test { kMatch, kEqual };

// What the table says of ending the dispatch; the action itself decides, within this.
enum class Ends { kNever, kSometimes, kAlways, kProgramEnds };

// What an action tells the dispatcher: go on with the next row, or stop.
enum class Flow { kGoOn, kEnd };

struct CommandLine {
  std::string_view text;  // the line as typed
  std::string_view arg;   // the text from the row's argument position to the end
};

struct Command {
  using Action = Flow (Interpreter::*)(const CommandLine& line);

  std::string_view pattern;
  Test test;
  int arg_position;  // 1-based, in characters of the text as typed; 0 for none
  Action action;     // null: the row's action is not part of this program yet
  Ends ends;
};

// Whether a lowered line passes a row's test.
bool Passes(const Command& command, std::string_view lowered);
// The row's argument of a line: from its position to the end; "" when the line is shorter.
std::string_view ArgumentOf(const Command& command, std::string_view text);

}  // namespace jelt::chat
