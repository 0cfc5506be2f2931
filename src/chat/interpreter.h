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
#include "id3tag/tag_windows.h"
#include "platform/clock.h"
#include "platform/list_box.h"
#include "platform/process.h"
#include "platform/random.h"
#include "platform/system_info.h"
#include "player/player.h"

namespace jelt::chat {

// What the interpreter works with, all owned elsewhere.
struct InterpreterContext {
  aolwin::Client& client;
  aolwin::Replies& replies;
  platform::Label& decoration;  // the main window's Label24
  player::Player& player;
  Shell& shell;
  platform::Clock& clock;
  platform::SystemInfo& system;
  platform::Process& process;
  platform::Random& random;
  id3tag::TagWindows& tag_windows;
  // Told of every file wiped and deleted, and of every tag written; for the host's record.
  std::function<void(const std::string& path)> on_file_wiped;
  std::function<void(const std::string& path)> on_tag_written;
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
  // The hits of the last search while the member chooses among them, in play-list order.
  platform::ListBox List2;
  // The last search text.
  platform::Label Label20;

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
  Flow TellStats(const CommandLine& line);

  // Playback commands.
  Flow PlayRandom(const CommandLine& line);
  Flow PlayNext(const CommandLine& line);
  Flow PlayBack(const CommandLine& line);
  Flow StopSong(const CommandLine& line);
  Flow PauseSong(const CommandLine& line);
  Flow UnpauseSong(const CommandLine& line);
  Flow MuteSong(const CommandLine& line);
  Flow UnmuteSong(const CommandLine& line);
  Flow RepeatOn(const CommandLine& line);
  Flow RepeatOff(const CommandLine& line);
  Flow Rewind(const CommandLine& line);
  Flow Forward(const CommandLine& line);
  Flow SetVolume(const CommandLine& line);
  Flow AutoRandomOn(const CommandLine& line);
  Flow AutoRandomOff(const CommandLine& line);
  Flow ContinuousOn(const CommandLine& line);
  Flow ContinuousOff(const CommandLine& line);
  Flow TellPosition(const CommandLine& line);
  Flow TellCurrent(const CommandLine& line);
  Flow TellLength(const CommandLine& line);
  // The no-songs reply, when the directory has no songs; true when it was sent.
  bool NoSongs();
  // An empty now-playing name becomes "n/a".
  void FixName();
  Flow Seek(const CommandLine& line, double direction, std::string_view said);

  // Search and select.
  Flow PlayOrSearch(const CommandLine& line);
  Flow RandomOrSearch(const CommandLine& line);
  Flow PickResult(const CommandLine& line);
  Flow CancelPick(const CommandLine& line);
  Flow ViewResults(const CommandLine& line);
  Flow ScrollResults(const CommandLine& line);
  Flow PickViewed(const CommandLine& line);
  Flow CancelViewedPick(const CommandLine& line);
  void Search(std::string_view text);
  void StopPlaying();
  // Plays song N of the file list when the text is a song number; true when it was.
  bool PlaySongNumber(std::string_view text);
  void SendResultLines();
  void SendPickPrompt(int hits);
  void EndPick(ChatScanner& picker);

  // Play list and directory commands.
  Flow TellSongCount(const CommandLine& line);
  Flow TellDirectory(const CommandLine& line);
  Flow OpenDirectoryChooser(const CommandLine& line);
  Flow SetDirectory(const CommandLine& line);
  Flow RefreshSongs(const CommandLine& line);
  Flow ViewSongs(const CommandLine& line);
  Flow HideSongs(const CommandLine& line);
  Flow DeleteSong(const CommandLine& line);

  // The selected song's tag.
  Flow TellTags(const CommandLine& line);
  Flow EditTags(const CommandLine& line);
  Flow ViewTags(const CommandLine& line);
  Flow RemoveTags(const CommandLine& line);

  friend struct CommandTables;

  InterpreterContext context_;
};

}  // namespace jelt::chat
