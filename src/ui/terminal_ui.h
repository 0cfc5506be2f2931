// The window toolkit's part for the terminal: boxes shown in the room and answered at the
// bottom line, and the forms' flags kept for the panels. A box does not return until the
// person answers it, and meanwhile the event loop goes on (the room keeps talking, timers
// tick): it waits on the loop itself, which blocks until the next key or event.
#pragma once

#include <functional>

#include "platform/basic_event_loop.h"
#include "platform/ui_host.h"
#include "ui/terminal_view.h"

namespace jelt::ui {

class TerminalUi final : public platform::UiHost {
 public:
  // The screen that the program places its windows on: that of the simulated desktop,
  // 1024 by 768 pixels, in twips. The terminal's own size has nothing to do with it.
  static constexpr platform::ScreenSize kScreen{1024 * 15, 768 * 15};

  TerminalUi(TerminalView& view, platform::BasicEventLoop& loop) : view_(view), loop_(loop) {}

  void MessageBox(std::string_view text, std::string_view title) override;
  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view default_text) override;

  void ShowForm(platform::Form& form) override;
  void HideForm(platform::Form& form) override;
  void MinimiseForm(platform::Form& form) override;
  void KeepOnTop(platform::Form& form) override;
  // A terminal has no mouse to follow; the form stays where it is.
  void DragForm(platform::Form&) override {}
  void MoveForm(platform::Form& form) override;
  platform::ScreenSize Screen() override { return kScreen; }

  // A window came, went or changed its state.
  std::function<void()> on_forms_changed;

 private:
  // Shows the box and handles events until it is answered.
  void RunBox(ModalBox& box);
  void FormsChanged();

  TerminalView& view_;
  platform::BasicEventLoop& loop_;
};

}  // namespace jelt::ui
