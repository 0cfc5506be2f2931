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

namespace {

std::string Tag(const platform::Form& form) {
  std::string tag = "[" + form.Name() + "]";
  for (char& c : tag)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tag;
}

}  // namespace

void HeadlessUi::TellShown(const platform::Form& form) {
  std::string event = Tag(form) + " shown";
  for (const std::string& line : form.Lines())
    event += "\n\t" + line;
  Tell(event);
}

void HeadlessUi::ShowForm(platform::Form& form) {
  const bool was_shown = form.visible && !form.minimised;
  form.visible = true;
  form.minimised = false;
  if (was_shown) return;
  if (loop_ == nullptr) {
    TellShown(form);
  } else {
    loop_->Post([this, &form] { TellShown(form); });
  }
}

void HeadlessUi::HideForm(platform::Form& form) {
  if (!form.visible) return;
  form.visible = false;
  Tell(Tag(form) + " hidden");
}

void HeadlessUi::MinimiseForm(platform::Form& form) {
  if (form.minimised) return;
  form.minimised = true;
  Tell(Tag(form) + " minimised");
}

}  // namespace jelt::ui
