// The view without a screen, for tests and the scenario runner: message boxes are closed
// with OK as soon as they come up, input boxes take answers queued beforehand, and what
// the program showed is told to an observer.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "platform/event_loop.h"
#include "platform/ui_host.h"

namespace jelt::ui {

class HeadlessUi final : public platform::UiHost {
 public:
  // Without a loop, a window that comes up is told at once. With one, it is told at the
  // next pass of the loop, with what it then shows: a handler that shows a window and then
  // fills it has filled it by then.
  explicit HeadlessUi(platform::EventLoop* loop = nullptr) : loop_(loop) {}

  // The screen of the simulated desktop, 1024 by 768 pixels, in twips.
  static constexpr platform::ScreenSize kScreen{1024 * 15, 768 * 15};

  // The answer for the next input box; nullopt cancels it. An input box with no answer
  // queued is cancelled.
  void QueueAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }

  // "[msgbox] TEXT", "[inputbox] PROMPT", and the windows' comings and goings:
  // "[form3] shown" followed by what the window shows, a line each after a tab,
  // "[form3] hidden", "[form3] minimised".
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

  void TellShown(const platform::Form& form);

  platform::EventLoop* loop_;
  std::deque<std::optional<std::string>> answers_;
};

}  // namespace jelt::ui
