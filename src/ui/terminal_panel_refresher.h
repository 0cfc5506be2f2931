// Keeps the panels current while any is shown. The program changes what they show on its
// own (the elapsed time every 60 ms, the song when one ends) without telling the view, so
// the view looks a few times a second; and not at all while no panel is shown, so that an
// idle program stays idle.
#pragma once

#include "platform/basic_event_loop.h"
#include "ui/terminal_view.h"

namespace jelt::ui {

class PanelRefresher {
 public:
  static constexpr double kInterval_s = 0.25;

  PanelRefresher(TerminalView& view, platform::BasicEventLoop& loop) : view_(view), loop_(loop) {}
  PanelRefresher(const PanelRefresher&) = delete;
  PanelRefresher& operator=(const PanelRefresher&) = delete;
  ~PanelRefresher();

  // Starts looking again when a panel is shown; call it whenever one may have come up.
  void Wake();

 private:
  void Tick();

  TerminalView& view_;
  platform::BasicEventLoop& loop_;
  // The next look, on the world's side of the loop so that it survives the program's
  // copies and goes on while the program sleeps; 0 while none is due.
  platform::EventLoop::TaskId pending_ = 0;
};

}  // namespace jelt::ui
