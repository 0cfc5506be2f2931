#include "ui/tag_editor_panel.h"

#include <algorithm>

#include "ui/display_width.h"
#include "ui/terminal_panel_frame.h"

namespace jelt::ui {

namespace {

using id3tag::TagEditor;

constexpr std::string_view kTitle = "tag editor";
constexpr std::string_view kKeys =
    "↑ ↓ Tab: next box   type to fill it in   Enter: next box, or press the button";
// A space and the row's mark stand before each caption.
constexpr int kMarginColumns = 3;
// Wide enough for the longest field, with a column for the cursor after it.
constexpr int kBoxColumnsMost = 32;
constexpr TextStyle kBoxStyle{Rgb{0x98, 0xcc, 0xff}, false, false, true};
constexpr TextStyle kButtonStyle{Rgb{0xaa, 0xbb, 0xcc}};

std::array<const platform::Label*, 5> Captions(const TagEditor& editor) {
  return {&editor.Label1, &editor.Label2, &editor.Label3, &editor.Label4, &editor.Label5};
}
std::array<const platform::TextBox*, 5> Boxes(const TagEditor& editor) {
  return {&editor.Text1, &editor.Text2, &editor.Text3, &editor.Text4, &editor.Text5};
}
std::array<platform::TextBox*, 5> Boxes(TagEditor& editor) {
  return {&editor.Text1, &editor.Text2, &editor.Text3, &editor.Text4, &editor.Text5};
}

int CaptionColumns(const TagEditor& editor) {
  std::vector<std::string> captions;
  for (const platform::Label* caption : Captions(editor))
    captions.push_back(caption->caption);
  return WidestOf(captions) + 1;
}

int BoxColumn(const TagEditor& editor) {
  return kMarginColumns + CaptionColumns(editor);
}

int BoxColumns(const TagEditor& editor, int columns) {
  return std::clamp(columns - BoxColumn(editor) - 1, 1, kBoxColumnsMost);
}

std::string ButtonText(const platform::Label& button) {
  return "[ " + button.caption + " ]";
}

// The column of a button's first letter.
int ButtonColumn(const TagEditor& editor, bool cancel) {
  const int set_tags = kMarginColumns + 2;
  return cancel ? set_tags + DisplayWidth(ButtonText(editor.Command1)) + 2 : set_tags;
}

}  // namespace

TagEditor* TagEditorPanel::Editor() const {
  app::Program* program = session_.CurrentProgram();
  return program != nullptr ? program->MainWindow().tag_windows.Form10() : nullptr;
}

bool TagEditorPanel::Visible() const {
  const TagEditor* editor = Editor();
  return editor != nullptr && editor->visible;
}

LineEditor TagEditorPanel::Shown(const platform::TextBox& box, int stop) const {
  if (line_stop_ == stop && line_.Text() == ShownText(box.text)) return line_;
  LineEditor shown;
  shown.SetText(ShownText(box.text));
  return shown;
}

std::vector<StyledText> TagEditorPanel::Render(int columns, bool focused) const {
  const TagEditor* editor = Editor();
  if (editor == nullptr) return {};
  if (editor->minimised) return {PanelTitle(kTitle, "minimised", columns, focused)};
  const int caption_columns = CaptionColumns(*editor);
  const int box_columns = BoxColumns(*editor, columns);
  const auto captions = Captions(*editor);
  const auto boxes = Boxes(*editor);
  std::vector<StyledText> lines{PanelTitle(kTitle, "", columns, focused)};
  for (int row = 0; row < kBoxCount; ++row) {
    const bool chosen = focused && stop_ == row;
    const platform::TextBox& box = *boxes[static_cast<std::size_t>(row)];
    const std::string text = chosen ? Shown(box, row).Visible(box_columns).text
                                    : CutToColumns(ShownText(box.text), box_columns);
    StyledText line;
    AppendStyled(line, " ", kPanelTextStyle);
    AppendStyled(line, chosen ? kChosenMark : kOtherMark, kPanelValueStyle);
    AppendStyled(line,
                 PadToWidth(captions[static_cast<std::size_t>(row)]->caption, caption_columns),
                 chosen ? kPanelChosenStyle : kPanelTextStyle);
    AppendStyled(line, PadToWidth(text, box_columns), kBoxStyle);
    lines.push_back(std::move(line));
  }
  StyledText buttons;
  AppendStyled(buttons, " " + std::string(kOtherMark), kPanelTextStyle);
  AppendStyled(buttons, ButtonText(editor->Command1),
               focused && stop_ == kSetTags ? kPanelChosenStyle : kButtonStyle);
  AppendStyled(buttons, "  ", kPanelTextStyle);
  AppendStyled(buttons, ButtonText(editor->Command2),
               focused && stop_ == kCancel ? kPanelChosenStyle : kButtonStyle);
  lines.push_back(std::move(buttons));
  if (focused) lines.push_back(PanelKeys(kKeys));
  return lines;
}

std::optional<PanelPlace> TagEditorPanel::Cursor(int columns) const {
  const TagEditor* editor = Editor();
  if (editor == nullptr || editor->minimised) return std::nullopt;
  if (stop_ >= kBoxCount) {
    return PanelPlace{1 + kBoxCount, ButtonColumn(*editor, stop_ == kCancel)};
  }
  const platform::TextBox& box = *Boxes(*editor)[static_cast<std::size_t>(stop_)];
  const int column = Shown(box, stop_).Visible(BoxColumns(*editor, columns)).cursor_column;
  return PanelPlace{1 + stop_, BoxColumn(*editor) + column};
}

bool TagEditorPanel::HandleKey(const Key& key) {
  TagEditor* editor = Editor();
  if (editor == nullptr || editor->minimised) return false;
  // Keys that come while a button's work goes on are not for this window any more.
  if (pressing_) return true;
  switch (key.code) {
    case KeyCode::kTab:
      stop_ = (stop_ + 1) % kStopCount;
      return true;
    case KeyCode::kDown:
      stop_ = std::min(stop_ + 1, kStopCount - 1);
      return true;
    case KeyCode::kUp:
      stop_ = std::max(stop_ - 1, 0);
      return true;
    case KeyCode::kEnter:
      if (stop_ == kSetTags) {
        Press(&TagEditor::Command1_Click);
      } else if (stop_ == kCancel) {
        Press(&TagEditor::Command2_Click);
      } else {
        ++stop_;
      }
      return true;
    default:
      break;
  }
  if (stop_ < kBoxCount) {
    HandleBoxKey(*Boxes(*editor)[static_cast<std::size_t>(stop_)], key);
  } else if (key.code == KeyCode::kLeft || key.code == KeyCode::kRight) {
    stop_ = key.code == KeyCode::kLeft ? kSetTags : kCancel;
  }
  return true;
}

// The box holds what is typed at once, so that it is what the window's own handlers find.
// A box that the program changed meanwhile is taken up again as it now reads, and as a
// window's box would, it loses what follows a zero byte once it is edited.
void TagEditorPanel::HandleBoxKey(platform::TextBox& box, const Key& key) {
  if (line_stop_ != stop_ || line_.Text() != ShownText(box.text)) {
    line_.SetText(ShownText(box.text));
    line_stop_ = stop_;
  }
  if (line_.Apply(key).outcome == LineEditor::Outcome::kEditing) box.text = line_.Text();
}

void TagEditorPanel::Press(void (TagEditor::*click)()) {
  // However the button's work ends (the window unloads, or the program ends inside it),
  // the next window starts on its first box.
  struct Done {
    TagEditorPanel& panel;
    ~Done() {
      panel.pressing_ = false;
      panel.stop_ = 0;
      panel.line_stop_ = -1;
    }
  } done{*this};
  pressing_ = true;
  session_.Run([this, click] {
    if (TagEditor* editor = Editor()) (editor->*click)();
  });
}

}  // namespace jelt::ui
