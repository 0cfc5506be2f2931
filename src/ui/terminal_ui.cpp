#include "ui/terminal_ui.h"

namespace jelt::ui {

namespace {

// Takes the box off the screen however its wait ends: answered, or unwound because the
// program ended or the person left in the middle of it.
class OpenBoxGuard {
 public:
  OpenBoxGuard(TerminalView& view, ModalBox& box) : view_(view), box_(box) { view_.OpenBox(box_); }
  OpenBoxGuard(const OpenBoxGuard&) = delete;
  OpenBoxGuard& operator=(const OpenBoxGuard&) = delete;
  ~OpenBoxGuard() { view_.CloseBox(box_); }

 private:
  TerminalView& view_;
  ModalBox& box_;
};

}  // namespace

void TerminalUi::RunBox(ModalBox& box) {
  const OpenBoxGuard guard(view_, box);
  loop_.Run([&box] { return box.answered; });
}

void TerminalUi::MessageBox(std::string_view text, std::string_view title) {
  ModalBox box{
      .kind = ModalBox::Kind::kMessage, .title = std::string(title), .text = std::string(text)};
  RunBox(box);
}

std::string TerminalUi::InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view default_text) {
  ModalBox box{
      .kind = ModalBox::Kind::kInput, .title = std::string(title), .text = std::string(prompt)};
  box.editor.SetText(default_text);
  RunBox(box);
  return box.answer.value_or("");
}

void TerminalUi::FormsChanged() {
  view_.RefreshPanels();
  if (on_forms_changed) on_forms_changed();
}

void TerminalUi::ShowForm(platform::Form& form) {
  form.visible = true;
  form.minimised = false;
  FormsChanged();
}

void TerminalUi::HideForm(platform::Form& form) {
  form.visible = false;
  FormsChanged();
}

void TerminalUi::MinimiseForm(platform::Form& form) {
  form.minimised = true;
  FormsChanged();
}

void TerminalUi::KeepOnTop(platform::Form& form) {
  form.topmost = true;
  FormsChanged();
}

void TerminalUi::MoveForm(platform::Form&) {
  FormsChanged();
}

}  // namespace jelt::ui
