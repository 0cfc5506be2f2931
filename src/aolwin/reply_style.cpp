#include "aolwin/reply_style.h"

namespace jelt::aolwin {

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (const std::string_view part : parts)
    size += part.size();
  std::string text;
  text.reserve(size);
  for (const std::string_view part : parts)
    text += part;
  return text;
}

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
