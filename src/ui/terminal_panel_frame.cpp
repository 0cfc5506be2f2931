#include "ui/terminal_panel_frame.h"

#include <algorithm>

#include "platform/text.h"
#include "ui/display_width.h"

namespace jelt::ui {

namespace {

constexpr TextStyle kRuleStyle{Rgb{0x5f, 0x6f, 0x7f}};
constexpr TextStyle kFocusedRuleStyle{Rgb{0x98, 0xcc, 0xff}, true};

std::string Repeat(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i)
    out += text;
  return out;
}

}  // namespace

StyledText PanelTitle(std::string_view title, std::string_view note, int columns, bool focused) {
  const TextStyle& rule = focused ? kFocusedRuleStyle : kRuleStyle;
  const TextStyle& name = focused ? kPanelChosenStyle : kPanelTextStyle;
  StyledText out;
  AppendStyled(out, "─ ", rule);
  AppendStyled(out, title, name);
  AppendStyled(out, " ", rule);
  const std::string tail = note.empty() ? "" : " " + std::string(note) + " ─";
  const int fill = columns - 3 - DisplayWidth(title) - DisplayWidth(tail);
  AppendStyled(out, Repeat("─", std::max(fill, 1)), rule);
  if (!tail.empty()) {
    AppendStyled(out, " ", rule);
    AppendStyled(out, note, kPanelTextStyle);
    AppendStyled(out, " ─", rule);
  }
  return out;
}

StyledText PanelKeys(std::string_view keys) {
  StyledText out;
  AppendStyled(out, " " + std::string(keys), kPanelHintStyle);
  return out;
}

std::string_view ShownText(std::string_view text) {
  return text.substr(0, text.find('\0'));
}

std::string PadToWidth(std::string_view text, int columns) {
  std::string out(text);
  out.append(static_cast<std::size_t>(std::max(columns - DisplayWidth(text), 0)), ' ');
  return out;
}

std::string CutToColumns(std::string_view text, int columns) {
  std::string out;
  int used = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    used += CharWidth(platform::NextChar(text, at));
    if (used > columns) break;
    out.append(text, start, at - start);
  }
  return out;
}

int WidestOf(const std::vector<std::string>& texts) {
  int widest = 0;
  for (const std::string& text : texts)
    widest = std::max(widest, DisplayWidth(text));
  return widest;
}

void ListWindow::Clamp(int count) {
  top_ = std::clamp(top_, 0, std::max(count - rows_, 0));
}

void ListWindow::Follow(int selected, int count) {
  Clamp(count);
  if (selected != followed_ && selected >= 0 && selected < count) {
    if (selected < top_) top_ = selected;
    if (selected >= top_ + rows_) top_ = selected - rows_ + 1;
  }
  followed_ = selected;
}

void ListWindow::Scroll(int rows, int count) {
  top_ += rows;
  Clamp(count);
}

std::string ListWindow::Range(int count) const {
  if (count <= rows_) return "";
  const int last = std::min(top_ + rows_, count);
  return std::to_string(top_ + 1) + "–" + std::to_string(last) + " of " + std::to_string(count);
}

std::vector<StyledText> ListWindow::Lines(const std::vector<std::string>& items, int selected,
                                          bool numbered, std::string_view empty_text) const {
  const int count = static_cast<int>(items.size());
  if (count == 0) {
    StyledText line;
    AppendStyled(line, " " + std::string(kOtherMark) + std::string(empty_text), kPanelHintStyle);
    return {line};
  }
  const std::size_t number_width = std::to_string(count).size();
  std::vector<StyledText> lines;
  for (int index = top_; index < std::min(top_ + rows_, count); ++index) {
    const bool chosen = index == selected;
    StyledText line;
    AppendStyled(line, " ", kPanelTextStyle);
    AppendStyled(line, chosen ? kChosenMark : kOtherMark, kPanelValueStyle);
    if (numbered) {
      const std::string number = std::to_string(index + 1);
      AppendStyled(line, std::string(number_width - number.size(), ' ') + number + "  ",
                   kPanelTextStyle);
    }
    AppendStyled(line, items[static_cast<std::size_t>(index)],
                 chosen ? kPanelChosenStyle : kPanelValueStyle);
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace jelt::ui
