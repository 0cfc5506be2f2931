// What the window toolkit does beyond holding values: modal boxes, showing and placing the
// program's windows. The headless view answers for tests, the terminal view for people.
#pragma once

#include <string>
#include <string_view>

#include "platform/form.h"

namespace jelt::platform {

struct ScreenSize {
  int width_twips = 0;
  int height_twips = 0;
};

class UiHost {
 public:
  virtual ~UiHost() = default;

  // A modal box with an OK button. Returns when it was closed; events go on meanwhile.
  virtual void MessageBox(std::string_view text, std::string_view title) = 0;
  // A modal input box; returns the answer, or "" when it was cancelled.
  virtual std::string InputBox(std::string_view prompt, std::string_view title,
                               std::string_view default_text) = 0;

  virtual void ShowForm(Form& form) = 0;
  virtual void HideForm(Form& form) = 0;
  virtual void MinimiseForm(Form& form) = 0;
  // The form stays above other windows.
  virtual void KeepOnTop(Form& form) = 0;
  // The form follows the mouse until the button is released.
  virtual void DragForm(Form& form) = 0;
  // The form's geometry changed (placed by code rather than by a person).
  virtual void MoveForm(Form& form) = 0;

  virtual ScreenSize Screen() = 0;
};

}  // namespace jelt::platform
