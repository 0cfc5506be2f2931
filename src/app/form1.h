// The main window. Its load step restores the settings, fills the play list, starts
// reading the chat room, asks for the user's handle on first use, plays the start sound and
// announces the program in the room. Most of the program's state lives in its controls.
#pragma once

#include <string>
#include <string_view>

#include "aolwin/client.h"
#include "aolwin/reply_style.h"
#include "app/ports.h"
#include "chat/interpreter.h"
#include "chat/shell.h"
#include "id3tag/id3_tags.h"
#include "id3tag/tag_windows.h"
#include "platform/form.h"
#include "platform/media_engine.h"
#include "player/player.h"

namespace jelt::app {

class Form1 final : public platform::Form, public chat::Shell {
 public:
  // The window's size in twips: its outer height unrolled and rolled up, and its width.
  static constexpr int kUnrolledHeight = 1843;
  static constexpr int kRolledHeight = 341;
  static constexpr int kOuterWidth = 3435;

  Form1(const Ports& ports, platform::MediaEngine& media_player);

  void Form_Load();

  // The close spots: the end announcement, then the program ends.
  [[noreturn]] void Label14_Click();
  [[noreturn]] void Label16_Click() { Label14_Click(); }
  // The minimise spot.
  void Label15_Click();

  // chat::Shell.
  void AnnounceStatus(std::string_view state_part) override;
  std::string SettingsPath() const override;

 private:
  Ports ports_;

 public:
  // The reply decoration, read for every line the program says.
  platform::Label Label24{std::string(aolwin::kDefaultDecoration)};
  // A copy of the loads count for the menus.
  platform::TextBox Text5{"Text5"};

 private:
  aolwin::Client client_;
  aolwin::Replies replies_;

 public:
  player::Player player;

 private:
  id3tag::Id3Tags tags_;

 public:
  // The tag viewer (Form9) and the tag editor (Form10).
  id3tag::TagWindows tag_windows;
  chat::Interpreter interpreter;
};

}  // namespace jelt::app
