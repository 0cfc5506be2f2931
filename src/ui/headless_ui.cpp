#include "ui/headless_ui.h"

#include <cctype>

namespace jelt::ui {

void HeadlessUi::MessageBox(std::string_view text, std::string_view) {
  Tell("[msgbox] " + std::string(text));
}

std::string HeadlessUi::InputBox(std::string_view prompt, std::string_view, std::string_view) {
  Tell("[inputbox] " + std::string(prompt));
  if (answers_.empty()) return "";
  std::optional<std::string> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer.value_or("");
}

void HeadlessUi::ShowForm(platform::Form& form) {
  form.visible = true;
  form.minimised = false;
}

void HeadlessUi::HideForm(platform::Form& form) {
  form.visible = false;
}

void HeadlessUi::MinimiseForm(platform::Form& form) {
  form.minimised = true;
}

}  // namespace jelt::ui
