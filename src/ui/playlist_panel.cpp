#include "ui/playlist_panel.h"

namespace jelt::ui {

namespace {

constexpr std::string_view kKeys = "↑ ↓ PgUp PgDn Home End: scroll";

}  // namespace

const player::PlayListWindow* PlaylistPanel::Window() const {
  app::Program* program = session_.CurrentProgram();
  return program != nullptr ? &program->MainWindow().player.Form3 : nullptr;
}

bool PlaylistPanel::Visible() const {
  const player::PlayListWindow* window = Window();
  return window != nullptr && window->visible;
}

std::vector<StyledText> PlaylistPanel::Render(int columns, bool focused) const {
  const player::PlayListWindow* window = Window();
  if (window == nullptr) return {};
  if (window->minimised) return {PanelTitle("play list", "minimised", columns, focused)};
  const platform::ListBox& list = window->List1;
  list_.Follow(list.ListIndex(), list.ListCount());
  std::vector<StyledText> lines{
      PanelTitle("play list", list_.Range(list.ListCount()), columns, focused)};
  for (StyledText& line : list_.Lines(list.Items(), list.ListIndex(), false, "(empty)"))
    lines.push_back(std::move(line));
  if (focused) lines.push_back(PanelKeys(kKeys));
  return lines;
}

// Scrolling only moves the panel's window onto the list; the program's selection stays.
bool PlaylistPanel::HandleKey(const Key& key) {
  const player::PlayListWindow* window = Window();
  if (window == nullptr) return false;
  const int count = window->List1.ListCount();
  switch (key.code) {
    case KeyCode::kUp:
      list_.Scroll(-1, count);
      return true;
    case KeyCode::kDown:
      list_.Scroll(1, count);
      return true;
    case KeyCode::kPageUp:
      list_.Scroll(-kListRows, count);
      return true;
    case KeyCode::kPageDown:
      list_.Scroll(kListRows, count);
      return true;
    case KeyCode::kHome:
      list_.Scroll(-count, count);
      return true;
    case KeyCode::kEnd:
      list_.Scroll(count, count);
      return true;
    default:
      return false;
  }
}

}  // namespace jelt::ui
