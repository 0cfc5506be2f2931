// The player's smaller windows, as far as the main window's commands use them: the play
// list window (Form3), the directory chooser (Form2) and the mini controls (Form5). Each
// holds its controls under the names the program gives them.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/dir_list.h"
#include "platform/form.h"
#include "platform/list_box.h"

namespace jelt::player {

// The play list window: the lines the member sees (List1), the file names behind them
// while a choice is pending (List2), and the count of lines (Label3).
class PlayListWindow final : public platform::Form {
 public:
  PlayListWindow() : Form("Form3") {}

  platform::ListBox List1;
  platform::ListBox List2;
  platform::Label Label3;

  // Closing the window discards what it held.
  void Unload();

  std::vector<std::string> Lines() const override { return List1.Items(); }
};

// The directory chooser: the directory list whose path "ok" takes.
class DirectoryChooser final : public platform::Form {
 public:
  DirectoryChooser() : Form("Form2") {}

  platform::DirList Dir1;

  std::vector<std::string> Lines() const override { return {Dir1.Path()}; }
};

// The mini controls: the play and stop glyphs can be enabled or greyed.
class MiniControls final : public platform::Form {
 public:
  MiniControls() : Form("Form5") {
    Label5.caption = "4";
    Label6.caption = "<";
  }

  platform::Label Label5;  // play
  platform::Label Label6;  // stop
};

}  // namespace jelt::player
