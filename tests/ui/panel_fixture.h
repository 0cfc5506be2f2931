// A started copy of the program on the simulated desktop whose music directory holds a few
// songs, for the tests of the panels that show its windows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ini_file.h"
#include "support/mp3_writer.h"
#include "support/sim_program.h"
#include "ui/html_render.h"
#include "ui/terminal_keys.h"
#include "ui/terminal_panel.h"

namespace jelt::ui {

class PanelTest : public testing::Test {
 protected:
  static constexpr int kColumns = 60;

  // Songs of three seconds each, in music/ of the program directory.
  void StartWith(const std::vector<std::string>& songs) {
    for (const std::string& song : songs)
      test::WriteMp3(MusicPath(song), {.seconds = 3});
    platform::WriteIniValue("Dir", "Dir1", program_.Home() + "/music", program_.SettingsPath());
    program_.Start();
    program_.Wait(1);
    program_.TakeOutput();
  }
  std::string MusicPath(const std::string& song) const {
    return program_.Home() + "/music/" + song;
  }

  // The member says a command and the program has a moment to obey it.
  void Say(const std::string& command) {
    program_.MemberSays(command);
    program_.Wait(1);
  }
  void Type(TerminalPanel& panel, std::string_view bytes) {
    KeyDecoder decoder;
    std::vector<Key> keys;
    decoder.Feed(bytes, keys);
    decoder.Flush(keys);
    for (const Key& key : keys)
      panel.HandleKey(key);
  }

  // The panel's lines without their styles, blanks at their ends left out.
  static std::vector<std::string> Plain(const std::vector<StyledText>& lines) {
    std::vector<std::string> plain;
    for (const StyledText& line : lines) {
      std::string text;
      for (const StyledRun& run : line)
        text += run.text;
      text.erase(text.find_last_not_of(' ') + 1);
      plain.push_back(text);
    }
    return plain;
  }

  app::Form1& Form1() { return program_.Form1(); }

  test::SimProgram program_;
};

}  // namespace jelt::ui
