// What a line typed at jelt's prompt asks for. A plain line is said in the room by the
// member; a line that begins with "/" is one of jelt's own commands:
//
//   /as NAME: TEXT      NAME says TEXT in the room
//   /people NAME, ...   who else is in the room (alone: who is there now)
//   /panel NAME         the panel of that name takes the keys
//   /help               what jelt understands
//   /quit               leave jelt
//   //TEXT              the member says "/TEXT"
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jelt::ui {

struct PromptCommand {
  enum class Kind { kSay, kSayAs, kPeople, kPanel, kHelp, kQuit, kUnknown };

  Kind kind = Kind::kSay;
  std::string name{};  // kSayAs: who says it; kPanel: the panel; kUnknown: the command
  std::string text{};  // kSay, kSayAs: the line
  std::vector<std::string> people{};  // kPeople; empty asks who is there
  // kSayAs without "NAME: TEXT", kPeople or kPanel with a malformed argument: how to.
  std::string usage{};
  bool operator==(const PromptCommand&) const = default;
};

PromptCommand ParsePromptLine(std::string_view line);

// The lines of "/help", with the member's name and the people in the room.
std::vector<std::string> HelpLines(std::string_view member, const std::vector<std::string>& people);

}  // namespace jelt::ui
