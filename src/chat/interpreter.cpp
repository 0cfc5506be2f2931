#include "chat/interpreter.h"

#include "platform/text.h"

namespace jelt::chat {

Interpreter::Interpreter(const InterpreterContext& context)
    : watch_(context.client, context.client.Loop()), ZubXer1(context.client), context_(context) {
  Chat1.ChatMsg = [this](const std::string& sn, const std::string& text) {
    Chat1_ChatMsg(sn, text);
  };
  Chat2.ChatMsg = [this](const std::string& sn, const std::string& text) {
    Chat2_ChatMsg(sn, text);
  };
  Chat3.ChatMsg = [this](const std::string& sn, const std::string& text) {
    Chat3_ChatMsg(sn, text);
  };
}

void Interpreter::Chat1_ChatMsg(const std::string& screen_name, const std::string& text) {
  Dispatch(CommandTable(), screen_name, text);
}

void Interpreter::Chat2_ChatMsg(const std::string& screen_name, const std::string& text) {
  Dispatch(PickTable(), screen_name, text);
}

void Interpreter::Chat3_ChatMsg(const std::string& screen_name, const std::string& text) {
  Dispatch(ViewPickTable(), screen_name, text);
}

// The own screen name is looked up once per line rather than once per row: no action
// changes who is signed on. An empty name (no welcome window) obeys nobody.
void Interpreter::Dispatch(std::span<const Command> table, const std::string& screen_name,
                           const std::string& text) {
  const std::string own = context_.client.OwnScreenName();
  if (own.empty() || screen_name != own) return;
  const std::string lowered = platform::LowerCase(text);
  for (const Command& command : table) {
    if (!Passes(command, lowered)) continue;
    const CommandLine line{text, ArgumentOf(command, text)};
    if (on_command) on_command(command, line.arg);
    if (command.action == nullptr) continue;
    if ((this->*command.action)(line) == Flow::kEnd) return;
  }
}

}  // namespace jelt::chat
