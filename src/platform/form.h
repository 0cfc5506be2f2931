// What every window of the program has: a name, a place on the screen and a state. The
// forms themselves (Form1 ... Form10) own their controls as members.
#pragma once

#include <string>
#include <vector>

namespace jelt::platform {

class Form {
 public:
  explicit Form(std::string name) : name_(std::move(name)) {}
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form() = default;

  const std::string& Name() const { return name_; }
  // What the window shows, as lines of text, for views without a screen of their own.
  virtual std::vector<std::string> Lines() const { return {}; }

  // Geometry in twips (15 to a pixel at 96 dots per inch).
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool visible = false;
  bool minimised = false;
  bool topmost = false;

 private:
  std::string name_;
};

}  // namespace jelt::platform
