#include "chat/command.h"

#include "platform/like.h"
#include "platform/text.h"

namespace jelt::chat {

bool Passes(const Command& command, std::string_view lowered) {
  return command.test == Test::kEqual ? lowered == command.pattern
                                      : platform::Like(lowered, command.pattern);
}

std::string_view ArgumentOf(const Command& command, std::string_view text) {
  if (command.arg_position <= 0) return {};
  return platform::MidFrom(text, static_cast<std::size_t>(command.arg_position));
}

}  // namespace jelt::chat
