#include "ui/prompt_command.h"

namespace jelt::ui {

namespace {

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::vector<std::string> SplitNames(std::string_view text) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string_view name = Trim(text.substr(start, comma - start));
    if (!name.empty()) names.emplace_back(name);
    start = comma + 1;
  }
  return names;
}

PromptCommand SayAs(std::string_view argument) {
  const std::size_t colon = argument.find(':');
  const std::string_view name = Trim(argument.substr(0, colon));
  if (colon == std::string_view::npos || name.empty()) {
    return {.kind = PromptCommand::Kind::kSayAs, .usage = "/as NAME: TEXT"};
  }
  std::string_view text = argument.substr(colon + 1);
  // One space after the colon belongs to the command; the rest of the line is said.
  if (text.starts_with(' ')) text.remove_prefix(1);
  return {
      .kind = PromptCommand::Kind::kSayAs, .name = std::string(name), .text = std::string(text)};
}

}  // namespace

PromptCommand ParsePromptLine(std::string_view line) {
  if (!line.starts_with('/')) return {.kind = PromptCommand::Kind::kSay, .text = std::string(line)};
  if (line.starts_with("//")) {
    return {.kind = PromptCommand::Kind::kSay, .text = std::string(line.substr(1))};
  }
  const std::size_t space = line.find(' ');
  const std::string_view command =
      line.substr(1, space == std::string_view::npos ? line.npos : space - 1);
  const std::string_view argument = space == std::string_view::npos ? "" : line.substr(space + 1);
  using Kind = PromptCommand::Kind;
  if (command == "as") return SayAs(argument);
  if (command == "people") return {.kind = Kind::kPeople, .people = SplitNames(argument)};
  if (command == "panel") {
    const std::string_view name = Trim(argument);
    if (name.empty()) return {.kind = Kind::kPanel, .usage = "/panel NAME"};
    return {.kind = Kind::kPanel, .name = std::string(name)};
  }
  if (command == "help") return {.kind = Kind::kHelp};
  if (command == "quit" || command == "exit") return {.kind = Kind::kQuit};
  return {.kind = Kind::kUnknown, .name = std::string(command)};
}

std::vector<std::string> HelpLines(std::string_view member,
                                   const std::vector<std::string>& people) {
  std::string here;
  for (const std::string& name : people)
    here += (here.empty() ? "" : ", ") + name;
  return {
      "Type a line and press Enter: " + std::string(member) +
          " says it in the room, and the program obeys it.",
      "/as NAME: TEXT     NAME says TEXT in the room" +
          (here.empty() ? std::string() : " (here: " + here + ")"),
      "/people NAME, ...  who else is in the room; /people alone lists them",
      "//TEXT             say a line that begins with \"/\"",
      "/help or F1        this help",
      "/quit              leave jelt (or Ctrl-D on an empty line, or Ctrl-C)",
      "Editing: Left, Right, Home, End, Backspace, Delete, Ctrl-U, Ctrl-K, Ctrl-W; "
      "Up and Down recall earlier lines.",
      "A message box closes with Enter; an input box takes its answer with Enter, "
      "Escape cancels it.",
  };
}

}  // namespace jelt::ui
