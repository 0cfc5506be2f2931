#include "ui/terminal_view.h"

#include <algorithm>

#include "ui/room_line.h"

namespace jelt::ui {

namespace {

constexpr TextStyle kBoxStyle{Rgb{0xff, 0xff, 0xff}, true};
constexpr TextStyle kBoxTextStyle{Rgb{0xe4, 0xe4, 0xe4}};
constexpr TextStyle kHintStyle{Rgb{0x9e, 0x9e, 0x9e}};
// The first function key that gives a panel the focus: F1 is the help.
constexpr int kFirstPanelKey = 2;

StyledText Styled(std::string_view text, const TextStyle& style) {
  StyledText out;
  AppendStyled(out, text, style);
  return out;
}

StyledText BoxLine(std::string_view frame, std::string_view text) {
  StyledText out = Styled(frame, kBoxStyle);
  AppendStyled(out, text, kBoxTextStyle);
  return out;
}

// The lines of a box's text; the program breaks them with CR LF, or LF alone.
std::vector<std::string_view> TextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t at = 0; at <= text.size(); ++at) {
    if (at < text.size() && text[at] != '\r' && text[at] != '\n') continue;
    lines.push_back(text.substr(start, at - start));
    if (at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n') ++at;
    start = at + 1;
  }
  return lines;
}

}  // namespace

TerminalView::TerminalView(TerminalScreen& screen, std::string member)
    : screen_(screen), member_(std::move(member)) {}

void TerminalView::Open(TerminalSize size) {
  screen_.Open(size);
  DrawBottom();
}

void TerminalView::Resize(TerminalSize size) {
  screen_.Resize(size);
  panel_lines_.clear();
  RefreshPanels();
  DrawBottom();
}

void TerminalView::ShowRoomLine(std::string_view line) {
  screen_.AddRoomLine(StyleRoomLine(line, member_));
}

void TerminalView::ShowNotice(std::string_view text) {
  screen_.AddRoomLine(StyleNotice(text));
}

void TerminalView::SetStatus(std::string_view status) {
  screen_.SetHeader(Styled(status, {}));
}

void TerminalView::HandleKey(const Key& key) {
  if (key == ControlKey('c')) {
    if (on_quit) on_quit();
    return;
  }
  if (!boxes_.empty()) {
    HandleBoxKey(*boxes_.back(), key);
  } else if (key.code == KeyCode::kFunction) {
    if (key.number == 1 && on_help) on_help();
    if (key.number >= kFirstPanelKey)
      FocusPanelAt(static_cast<std::size_t>(key.number - kFirstPanelKey));
  } else if (TerminalPanel* panel = FocusedPanel()) {
    if (key.code == KeyCode::kEscape) {
      focused_panel_.reset();
      RefreshPanels();
    } else if (panel->HandleKey(key)) {
      RefreshPanels();
    } else {
      HandlePromptKey(key);
    }
  } else {
    HandlePromptKey(key);
  }
  DrawBottom();
}

void TerminalView::HandleBoxKey(ModalBox& box, const Key& key) {
  if (box.kind == ModalBox::Kind::kMessage) {
    if (key.code == KeyCode::kEnter || key.code == KeyCode::kEscape) AnswerBox(box, std::nullopt);
    return;
  }
  const LineEditor::Result result = box.editor.Apply(key);
  if (result.outcome == LineEditor::Outcome::kSubmit) {
    AnswerBox(box, result.line);
  } else if (result.outcome == LineEditor::Outcome::kCancel) {
    AnswerBox(box, std::nullopt);
  }
}

void TerminalView::AnswerBox(ModalBox& box, std::optional<std::string> answer) {
  box.answered = true;
  if (box.kind == ModalBox::Kind::kMessage) {
    screen_.AddRoomLine(BoxLine("└─ ", "OK"));
  } else if (answer) {
    screen_.AddRoomLine(BoxLine("└─ ", answer->empty() ? "(empty)" : *answer));
  } else {
    screen_.AddRoomLine(BoxLine("└─ ", "(cancelled)"));
  }
  box.answer = std::move(answer);
  CloseBox(box);
}

void TerminalView::HandlePromptKey(const Key& key) {
  const LineEditor::Result result = prompt_.Apply(key);
  switch (result.outcome) {
    case LineEditor::Outcome::kSubmit:
      if (!result.line.empty() && on_line) on_line(result.line);
      break;
    case LineEditor::Outcome::kEndOfInput:
    case LineEditor::Outcome::kInterrupt:
      if (on_quit) on_quit();
      break;
    case LineEditor::Outcome::kCancel:
    case LineEditor::Outcome::kEditing:
      break;
  }
}

void TerminalView::OpenBox(ModalBox& box) {
  screen_.AddRoomLine(BoxLine("┌─ ", box.title));
  for (const std::string_view line : TextLines(box.text))
    screen_.AddRoomLine(BoxLine("│  ", line));
  boxes_.push_back(&box);
  DrawBottom();
}

void TerminalView::CloseBox(ModalBox& box) {
  const auto it = std::find(boxes_.begin(), boxes_.end(), &box);
  if (it == boxes_.end()) return;
  boxes_.erase(it);
  DrawBottom();
}

void TerminalView::AddPanel(TerminalPanel& panel) {
  panels_.push_back(&panel);
  RefreshPanels();
}

void TerminalView::RefreshPanels() {
  const bool focus_gone = focused_panel_ && !panels_[*focused_panel_]->Visible();
  if (focus_gone) focused_panel_.reset();
  std::vector<StyledText> lines;
  std::optional<PanelPlace> cursor;
  const int columns = screen_.Size().columns;
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    if (!panels_[i]->Visible()) continue;
    const bool focused = focused_panel_ == i;
    const std::optional<PanelPlace> place = focused ? panels_[i]->Cursor(columns) : std::nullopt;
    if (place) cursor = PanelPlace{static_cast<int>(lines.size()) + place->line, place->column};
    for (StyledText& line : panels_[i]->Render(columns, focused))
      lines.push_back(std::move(line));
  }
  // The bottom line names the focused panel, and leaves out the prompt's text while the
  // cursor is in a panel.
  const bool bottom_changes = focus_gone || cursor.has_value() != panel_cursor_.has_value();
  if (lines != panel_lines_ || cursor != panel_cursor_) {
    panel_lines_ = lines;
    panel_cursor_ = cursor;
    screen_.SetPanelLines(std::move(lines), cursor);
  }
  if (bottom_changes) DrawBottom();
}

bool TerminalView::FocusPanel(std::string_view name) {
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    if (panels_[i]->Name() == name && panels_[i]->Visible()) {
      FocusPanelAt(i);
      return true;
    }
  }
  return false;
}

void TerminalView::FocusPanelAt(std::size_t index) {
  if (index >= panels_.size() || !panels_[index]->Visible()) return;
  focused_panel_ = index;
  RefreshPanels();
  DrawBottom();
}

bool TerminalView::AnyPanelVisible() const {
  return std::any_of(panels_.begin(), panels_.end(),
                     [](const TerminalPanel* panel) { return panel->Visible(); });
}

std::vector<std::string> TerminalView::PanelNames() const {
  std::vector<std::string> names;
  for (const TerminalPanel* panel : panels_)
    names.push_back(panel->Name());
  return names;
}

TerminalPanel* TerminalView::FocusedPanel() const {
  return focused_panel_ ? panels_[*focused_panel_] : nullptr;
}

void TerminalView::DrawBottom() {
  if (!boxes_.empty()) {
    ModalBox& box = *boxes_.back();
    if (box.kind == ModalBox::Kind::kMessage) {
      StyledText prefix = Styled("[ OK ]", {std::nullopt, true});
      AppendStyled(prefix, "  Enter closes the box", kHintStyle);
      screen_.SetBottom(std::move(prefix), {});
    } else {
      StyledText prefix = Styled(box.title + "› ", kBoxStyle);
      screen_.SetBottom(prefix, box.editor.Visible(screen_.EditorColumns(prefix)));
    }
    return;
  }
  if (const TerminalPanel* panel = FocusedPanel()) {
    StyledText prefix = Styled("[" + panel->Name() + "]", {std::nullopt, true});
    AppendStyled(prefix, "  Esc back to the prompt  ", kHintStyle);
    screen_.SetBottom(prefix, panel_cursor_ ? LineEditor::Window{}
                                            : prompt_.Visible(screen_.EditorColumns(prefix)));
    return;
  }
  const StyledText prefix = Styled(member_ + "› ", {kMemberNameColor, true});
  screen_.SetBottom(prefix, prompt_.Visible(screen_.EditorColumns(prefix)));
}

}  // namespace jelt::ui
