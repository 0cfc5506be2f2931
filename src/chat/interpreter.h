// The chat command interpreter: it hears every line said in the room, obeys only the
// signed-on member's lines that match a row of its command table, and answers in the room.
//
// While the member chooses among search results, Chat1 is off and Chat2 or Chat3 takes his
// answer with a smaller table of its own.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "aolwin/client.h"
#include "aolwin/reply_style.h"
#include "chat/chat_scanner.h"
#include "chat/command.h"
#include "chat/ignore_control.h"
#include "chat/shell.h"
#include "platform/clock.h"
#include "platform/process.h"
#include "platform/system_info.h"
#include "player/player_state.h"

namespace jelt::chat {

// What the interpreter works with, all owned elsewhere.
struct InterpreterContext {
  aolwin::Client& client;
  aolwin::Replies& replies;
  platform::Label& decoration;  // the main window's Label24
  player::PlayerState& player;
  Shell& shell;
  platform::Clock& clock;
  platform::SystemInfo& system;
  platform::Process& process;
};

class Interpreter {
 public:
  explicit Interpreter(const InterpreterContext& context);
  Interpreter(const Interpreter&) = delete;
  Interpreter& operator=(const Interpreter&) = delete;

  // The ChatMsg handlers of the three scanners.
  void Chat1_ChatMsg(const std::string& screen_name, const std::string& text);
  void Chat2_ChatMsg(const std::string& screen_name, const std::string& text);
  void Chat3_ChatMsg(const std::string& screen_name, const std::string& text);

  // Called for every row that a line passes (gate and test), with the row and its
  // argument, before the row's action runs; for tests and tracing.
  std::function<void(const Command& command, std::string_view arg)> on_command;

  // The tables, in their order.
  static std::span<const Command> CommandTable();
  static std::span<const Command> PickTable();
  static std::span<const Command> ViewPickTable();

 private:
  RoomWatch watch_;

 public:
  ChatScanner Chat1{watch_};
  ChatScanner Chat2{watch_};
  ChatScanner Chat3{watch_};
  IgnoreControl ZubXer1;

 private:
  void Dispatch(std::span<const Command> table, const std::string& screen_name,
                const std::string& text);

  // Information and settings commands.
  Flow EndProgram(const CommandLine& line);
  Flow TellPlayed(const CommandLine& line);
  Flow TellTime(const CommandLine& line);
  Flow TellDate(const CommandLine& line);
  Flow TellUptime(const CommandLine& line);
  Flow Advertise(const CommandLine& line);
  Flow SetUser(const CommandLine& line);
  Flow TellUser(const CommandLine& line);
  Flow SetAscii(const CommandLine& line);
  Flow Restart(const CommandLine& line);

  friend struct CommandTables;

  InterpreterContext context_;
};

}  // namespace jelt::chat
