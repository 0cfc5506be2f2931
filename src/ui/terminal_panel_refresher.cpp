#include "ui/terminal_panel_refresher.h"

namespace jelt::ui {

PanelRefresher::~PanelRefresher() {
  if (pending_ != 0) loop_.Cancel(pending_);
}

void PanelRefresher::Wake() {
  if (pending_ != 0 || !view_.AnyPanelVisible()) return;
  pending_ = loop_.ScheduleWorld(loop_.Now() + kInterval_s, [this] { Tick(); });
}

void PanelRefresher::Tick() {
  pending_ = 0;
  view_.RefreshPanels();
  Wake();
}

}  // namespace jelt::ui
