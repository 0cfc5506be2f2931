// The player: the media player control, the player state on the main window and the
// procedures that start songs, react to the end of a song and show the times.
#pragma once

#include <string>
#include <string_view>

#include "aolwin/reply_style.h"
#include "platform/event_loop.h"
#include "platform/form.h"
#include "platform/media_engine.h"
#include "platform/process.h"
#include "platform/random.h"
#include "platform/timer.h"
#include "platform/ui_host.h"
#include "player/forms.h"
#include "player/player_state.h"

namespace jelt::player {

// What the player works with, all owned elsewhere.
struct PlayerContext {
  platform::MediaEngine& engine;
  aolwin::Replies& replies;
  platform::UiHost& ui;
  platform::Form& main_window;
  platform::EventLoop& loop;
  platform::Process& process;
  platform::Random& random;
};

class Player : public PlayerState {
 public:
  // How often the elapsed time is shown anew.
  static constexpr int kTimer1Interval_ms = 60;

  explicit Player(const PlayerContext& context);
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  platform::MediaEngine& MediaPlayer1() { return context_.engine; }

  // Start a song by its file name (as in File1 and List4) and announce it: PlayMP3 selects
  // it in the play list; PlayMP32 leaves the selection to the caller; Play12MP3 selects it
  // in the file list and then in the play list, and announces it as random. None of them
  // fails or waits.
  void PlayMP3(std::string_view file_name);
  void PlayMP32(std::string_view file_name);
  void Play12MP3(std::string_view file_name);

  // Opens a file of the music directory in the media player and remembers it as the file
  // the player has open.
  void OpenEntry(std::string_view file_name);
  // The path of the file the player last opened; "" before any.
  const std::string& OpenPath() const { return open_path_; }

  // Counts a play: the played counter steps and is stored.
  void CountPlay();

  // The media player's events and the elapsed-time timer.
  void MediaPlayer1_EndOfStream();
  void MediaPlayer1_OpenStateChange();
  void Timer1_Timer();

  // The reply lines' opening: the accent prefix and the member's decoration.
  aolwin::Replies& Replies() { return context_.replies; }
  std::string SettingsPath() const;

  // The player's windows.
  PlayListWindow Form3;
  DirectoryChooser Form2;
  MiniControls Form5;
  void ShowForm3();
  void HideForm3();
  void ShowForm2();

 private:
  enum class Selects { kPlayList, kNothing, kFileListThenPlayList };
  enum class Word { kPlaying, kRandom };
  void Start(std::string_view file_name, Selects selects, Word word);
  // A mode option was selected, by a person or by a command.
  void ModeChanged(int mode);
  void StartNextForContinuous();
  void StartRandomForRand();
  // The mode buttons' complaint: the main window steps aside for the box.
  void NoSongsForMode();

  PlayerContext context_;
  std::string open_path_;
  platform::Timer Timer1;
};

}  // namespace jelt::player
