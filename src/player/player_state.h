// The player's state. It has no model object of its own: it lives in controls of the main
// window, and every part that plays, announces or shows songs reads and writes them.
#pragma once

#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/file_list.h"
#include "platform/list_box.h"
#include "platform/option_group.h"

namespace jelt::player {

// The end-of-song modes, the three options of one group.
enum Mode { kNormal = 0, kContinuous = 1, kRandom = 2 };

struct PlayerState {
  // The music directory, without a trailing separator except for the root.
  platform::TextBox txtdir{"Text1"};
  // The MP3 files of the music directory, and the file-list cursor.
  platform::FileList File1{"*.mp3*"};
  // The play list: File1's entries as last filled; its cursor is the current song.
  platform::ListBox List4;
  // The now-playing name; "" after a song ended in mode Normal.
  platform::TextBox Text1{"n/a"};
  // The full path of the song a Play procedure started last.
  platform::TextBox Text3{"Text3"};
  // Scratch copy of the now-playing name; chat commands also put the user's handle here.
  platform::TextBox Text4{"Text4"};
  // The song's name on the main window, after "mp3:".
  platform::Label Label4;
  // The played counter, decimal text ("" while nothing is stored).
  platform::Label Label17{"Label17"};
  // OptNON "Normal", OptRes "Cont.", OptRND "Rand".
  platform::OptionGroup modes{{"Normal", "Cont.", "Rand"}, kNormal};
  // Elapsed time and length of the open file.
  platform::Label Label2{"00:00"};
  platform::Label Label3{"00:00"};

  // The full path of a file of the music directory.
  std::string EntryPath(std::string_view file_name) const;
  // Clears the play list and fills it with File1's entries, in order.
  void FillPlayList();
  // The played counter goes up by one when it holds a number; otherwise it stays.
  void StepPlayedCounter();
};

// Every ".mp3" removed, letter case ignored.
std::string StripMp3(std::string_view file_name);
// StripMp3, then every "_" turned into a space: My_Song.MP3 gives "My Song".
std::string DisplayName(std::string_view file_name);

}  // namespace jelt::player
