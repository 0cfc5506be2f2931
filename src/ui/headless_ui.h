// The view without a screen, for tests and the scenario runner: message boxes are closed
// with OK as soon as they come up, input boxes take answers queued beforehand, and what
// the program showed is told to an observer.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "platform/ui_host.h"

namespace jelt::ui {

class HeadlessUi final : public platform::UiHost {
 public:
  // The screen of the simulated desktop, 1024 by 768 pixels, in twips.
  static constexpr platform::ScreenSize kScreen{1024 * 15, 768 * 15};

  // The answer for the next input box; nullopt cancels it. An input box with no answer
  // queued is cancelled.
  void QueueAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }

  // "[msgbox] TEXT", "[inputbox] PROMPT", and the forms' comings and goings.
  std::function<void(const std::string& event)> on_event;

  void MessageBox(std::string_view text, std::string_view title) override;
  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view default_text) override;
  void ShowForm(platform::Form& form) override;
  void HideForm(platform::Form& form) override;
  void MinimiseForm(platform::Form& form) override;
  void KeepOnTop(platform::Form& form) override { form.topmost = true; }
  void DragForm(platform::Form&) override {}
  void MoveForm(platform::Form&) override {}
  platform::ScreenSize Screen() override { return kScreen; }

 private:
  void Tell(const std::string& event) {
    if (on_event) on_event(event);
  }

  std::deque<std::optional<std::string>> answers_;
};

}  // namespace jelt::ui
