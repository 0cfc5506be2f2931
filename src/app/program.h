// One copy of the program: its windows, built on the ports of the world it runs in. The
// main window is loaded by Start and lives until the copy is destroyed.
#pragma once

#include "app/form1.h"
#include "app/ports.h"

namespace jelt::app {

class Program {
 public:
  explicit Program(const Ports& ports)
      : media_player_(ports.make_media_engine()), form1_(ports, *media_player_) {}

  // The main window's load step: settings, play list, chat scanning, the announcement.
  void Start() { form1_.Form_Load(); }

  Form1& MainWindow() { return form1_; }

 private:
  std::unique_ptr<platform::MediaEngine> media_player_;
  Form1 form1_;
};

}  // namespace jelt::app
