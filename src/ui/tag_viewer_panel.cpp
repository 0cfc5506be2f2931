#include "ui/tag_viewer_panel.h"

#include <utility>

#include "ui/terminal_panel_frame.h"

namespace jelt::ui {

id3tag::TagViewer* TagViewerPanel::Viewer() const {
  app::Program* program = session_.CurrentProgram();
  return program != nullptr ? program->MainWindow().tag_windows.Form9() : nullptr;
}

bool TagViewerPanel::Visible() const {
  const id3tag::TagViewer* viewer = Viewer();
  return viewer != nullptr && viewer->visible;
}

std::vector<StyledText> TagViewerPanel::Render(int columns, bool focused) const {
  const id3tag::TagViewer* viewer = Viewer();
  if (viewer == nullptr) return {};
  if (viewer->minimised) return {PanelTitle("tag viewer", "minimised", columns, focused)};
  const std::pair<const platform::Label&, const platform::Label&> rows[] = {
      {viewer->Label1, viewer->Label7},  {viewer->Label2, viewer->Label8},
      {viewer->Label6, viewer->Label9},  {viewer->Label5, viewer->Label10},
      {viewer->Label4, viewer->Label11}, {viewer->Label3, viewer->Label12},
  };
  std::vector<std::string> captions;
  for (const auto& [caption, value] : rows)
    captions.push_back(caption.caption);
  const int width = WidestOf(captions) + 1;
  std::vector<StyledText> lines{PanelTitle("tag viewer", "", columns, focused)};
  for (const auto& [caption, value] : rows) {
    StyledText line;
    AppendStyled(line, " " + std::string(kOtherMark) + PadToWidth(caption.caption, width),
                 kPanelTextStyle);
    AppendStyled(line, ShownText(value.caption), kPanelValueStyle);
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace jelt::ui
