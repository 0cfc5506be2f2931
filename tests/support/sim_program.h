// A copy of the program on the simulated desktop, in virtual time, in a fresh program
// directory: what jelt-sim does, for tests that drive it from code.
#pragma once

#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "ui/headless_ui.h"
#include "ui/session.h"

namespace jelt::test {

class SimProgram {
 public:
  explicit SimProgram(sim::WorldOptions options = {});

  sim::World& World() { return world_; }
  sim::AolClient& Client() { return world_.client; }
  ui::HeadlessUi& Ui() { return ui_; }
  ui::Session& Session() { return session_; }
  app::Form1& Form1() { return session_.CurrentProgram()->MainWindow(); }
  const std::string& Home() const { return options_.home; }
  std::string SettingsPath() const { return home_ / "jelt.ini"; }

  // Starts a copy with the handle already stored, so that no box asks for it.
  void Start();
  void Wait(double seconds) { session_.Wait(seconds); }
  // The member says a line (it goes through the client's transcript to the scanner).
  void MemberSays(const std::string& text) { world_.client.MemberSends(text); }

  // Everything the room and the desktop saw, in order: transcript lines and "[...]" events.
  const std::vector<std::string>& Output() const { return output_; }
  // What was seen since the last call.
  std::vector<std::string> TakeOutput();

 private:
  static sim::WorldOptions WithHome(sim::WorldOptions options, const TempDir& home);

  TempDir home_;
  sim::WorldOptions options_;
  sim::World world_;
  ui::HeadlessUi ui_;
  ui::Session session_;
  std::vector<std::string> output_;
  std::size_t taken_ = 0;
};

}  // namespace jelt::test
