#include "ui/directory_panel.h"

#include "ui/terminal_panel_frame.h"

namespace jelt::ui {

bool DirectoryPanel::Visible() const {
  app::Program* program = session_.CurrentProgram();
  return program != nullptr && program->MainWindow().player.Form2.visible;
}

std::vector<StyledText> DirectoryPanel::Render(int columns, bool focused) const {
  app::Program* program = session_.CurrentProgram();
  if (program == nullptr) return {};
  const player::DirectoryChooser& chooser = program->MainWindow().player.Form2;
  if (chooser.minimised) return {PanelTitle("directory", "minimised", columns, focused)};
  StyledText path;
  AppendStyled(path, " " + std::string(kOtherMark), kPanelTextStyle);
  AppendStyled(path, chooser.Dir1.Path(), kPanelValueStyle);
  return {PanelTitle("directory", "", columns, focused), path};
}

}  // namespace jelt::ui
