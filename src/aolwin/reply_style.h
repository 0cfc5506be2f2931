// The look every line the program says in the room shares: the accent font, the member's
// decoration, then the body in the base font with values in the accent colour.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "aolwin/client.h"
#include "platform/controls.h"

namespace jelt::aolwin {

// Opens every reply line.
inline constexpr std::string_view kAccentPrefix = "<font color=#98ccff face=\"arial narrow\">";
// Opens most bodies.
inline constexpr std::string_view kBasePrefix = "<font color=#aabbcc face=\"arial narrow\">";
// Before a value, and before a label after a value.
inline constexpr std::string_view kAccent = "<font color=#98ccff>";
inline constexpr std::string_view kBase = "<font color=#aabbcc>";
inline constexpr std::string_view kDefaultDecoration = "<i>‹·<sup>›</i></sup>";
// The opening of the lines that keep the default decoration whatever the member set:
// accent prefix, default decoration and base prefix.
inline constexpr std::string_view kFixedOpening =
    "<font color=#98ccff face=\"arial narrow\"><i>‹·<sup>›</i></sup>"
    "<font color=#aabbcc face=\"arial narrow\">";

// The pieces of a body joined in order, as the bodies of reply lines are written.
std::string Concat(std::initializer_list<std::string_view> parts);

// Composes and sends reply lines. The decoration is the caption of the main window's
// Label24, read anew for every line.
class Replies {
 public:
  Replies(Client& client, const platform::Label& decoration)
      : client_(client), decoration_(decoration) {}

  // The accent prefix, the decoration and the body, joined without anything between.
  std::string FormatReply(std::string_view body) const;
  // FormatReply(body), sent into the room.
  void Send(std::string_view body) { client_.SendChatLine(FormatReply(body)); }
  // A line with the fixed default decoration: kFixedOpening followed by the text.
  void SendFixed(std::string_view text);

 private:
  Client& client_;
  const platform::Label& decoration_;
};

}  // namespace jelt::aolwin
