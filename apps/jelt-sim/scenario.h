// A world script, run in virtual time. Each line of the script is a verb and its words;
// what the room and the desktop see is printed as it happens (see README.md).
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "sim/world.h"
#include "ui/headless_ui.h"
#include "ui/session.h"

namespace jelt::scenario {

class Scenario {
 public:
  Scenario(const sim::WorldOptions& options, std::ostream& out);

  // Runs every line; returns false (with a message on `errors`) at the first line that is
  // not understood.
  bool Run(std::istream& script, std::ostream& errors);

 private:
  bool Step(const std::string& verb, const std::string& rest, std::string& error);
  void Print(const std::string& line);
  // A path as the output shows it: relative to the program directory when inside it.
  std::string ShownPath(const std::string& path) const;

  // An engine's event with the path it names shown as ShownPath does.
  std::string ShownEvent(const std::string& event) const;
  void PrintTag(const std::string& path);
  static std::vector<std::pair<std::string, std::string>> TagFields(const std::string& text);
  // Clicks a control of one of the program's windows ("Form10.Command1"); false for a
  // control it does not know.
  bool Click(const std::string& target);
  // Runs a piece of the program, when one runs, with its end handled.
  void RunInProgram(const std::function<void(app::Form1&)>& step);

  std::ostream& out_;
  sim::World world_;
  ui::HeadlessUi ui_{&world_.loop};
  ui::Session session_;
};

}  // namespace jelt::scenario
