#include "aolwin/reply_style.h"

namespace jelt::aolwin {

std::string Replies::FormatReply(std::string_view body) const {
  std::string line(kAccentPrefix);
  line += decoration_.caption;
  line += body;
  return line;
}

void Replies::SendFixed(std::string_view text) {
  std::string line(kFixedOpening);
  line += text;
  client_.SendChatLine(line);
}

}  // namespace jelt::aolwin
