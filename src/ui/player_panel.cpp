#include "ui/player_panel.h"

#include <algorithm>

#include "app/settings.h"
#include "ui/display_width.h"

namespace jelt::ui {

namespace {

constexpr std::string_view kKeys =
    "↑ ↓ PgUp PgDn Home End: choose a song   n c r: mode Normal, Cont., Rand";

// " mp3: NAME" on the left and "ELAPSED / LENGTH" on the right; a name too long for the
// line gives way to the times.
StyledText SongLine(const player::PlayerState& state, int columns) {
  const std::string times = state.Label2.caption + " / " + state.Label3.caption;
  const int room = columns - DisplayWidth(times) - 3;
  StyledText left;
  AppendStyled(left, " mp3: ", kPanelTextStyle);
  AppendStyled(left, state.Label4.caption, kPanelValueStyle);
  StyledText line = CutToWidth(left, std::max(room, 0));
  AppendStyled(line, std::string(static_cast<std::size_t>(std::max(room - Width(line), 0)), ' '),
               kPanelTextStyle);
  AppendStyled(line, "  " + times, kPanelValueStyle);
  return line;
}

// " mode:  (•) Normal  ( ) Cont.  ( ) Rand"
StyledText ModeLine(const platform::OptionGroup& modes) {
  StyledText line;
  AppendStyled(line, " mode:", kPanelTextStyle);
  for (int mode = 0; mode < modes.Count(); ++mode) {
    const bool chosen = modes.IsSelected(mode);
    AppendStyled(line, chosen ? "  (•) " : "  ( ) ", chosen ? kPanelValueStyle : kPanelTextStyle);
    AppendStyled(line, modes.Caption(mode), chosen ? kPanelChosenStyle : kPanelTextStyle);
  }
  return line;
}

std::optional<int> ModeForKey(const Key& key) {
  if (key.code != KeyCode::kChar) return std::nullopt;
  switch (key.ch) {
    case 'n':
    case 'N':
      return player::kNormal;
    case 'c':
    case 'C':
      return player::kContinuous;
    case 'r':
    case 'R':
      return player::kRandom;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<int> MovedSelection(const Key& key, int selected, int count, int page) {
  const int last = count - 1;
  int moved = selected;
  switch (key.code) {
    case KeyCode::kDown:
      moved = std::min(selected + 1, last);
      break;
    case KeyCode::kUp:
      moved = selected < 0 ? last : std::max(selected - 1, 0);
      break;
    case KeyCode::kPageDown:
      moved = std::min(std::max(selected, 0) + page, last);
      break;
    case KeyCode::kPageUp:
      moved = std::max(selected - page, 0);
      break;
    case KeyCode::kHome:
      moved = 0;
      break;
    case KeyCode::kEnd:
      moved = last;
      break;
    default:
      return std::nullopt;
  }
  return count == 0 ? selected : moved;
}

app::Form1* PlayerPanel::MainWindow() const {
  app::Program* program = session_.CurrentProgram();
  return program != nullptr ? &program->MainWindow() : nullptr;
}

bool PlayerPanel::Visible() const {
  const app::Form1* form = MainWindow();
  return form != nullptr && form->visible;
}

std::vector<StyledText> PlayerPanel::Render(int columns, bool focused) const {
  const app::Form1* form = MainWindow();
  if (form == nullptr) return {};
  if (form->minimised) return {PanelTitle(app::kProgramTitle, "minimised", columns, focused)};
  const player::PlayerState& state = form->player;
  const int count = state.List4.ListCount();
  list_.Follow(state.List4.ListIndex(), count);
  std::vector<StyledText> lines{
      PanelTitle(app::kProgramTitle, list_.Range(count), columns, focused),
      SongLine(state, columns), ModeLine(state.modes)};
  for (StyledText& line : list_.Lines(state.List4.Items(), state.List4.ListIndex(), true,
                                      "no songs: set a directory with dir PATH"))
    lines.push_back(std::move(line));
  if (focused) lines.push_back(PanelKeys(kKeys));
  return lines;
}

// A mode can start a song or show the mode buttons' box, and a selection raises the list's
// click, so each runs as a step of the session.
bool PlayerPanel::HandleKey(const Key& key) {
  app::Form1* form = MainWindow();
  if (form == nullptr) return false;
  player::Player& player = form->player;
  if (const std::optional<int> mode = ModeForKey(key)) {
    session_.Run([&player, mode] { player.modes.Select(*mode); });
    return true;
  }
  const std::optional<int> index =
      MovedSelection(key, player.List4.ListIndex(), player.List4.ListCount(), kListRows);
  if (!index) return false;
  if (*index != player.List4.ListIndex()) {
    session_.Run([&player, index] { player.List4.SetListIndex(*index); });
  }
  return true;
}

}  // namespace jelt::ui
