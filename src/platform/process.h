// The program's own process: where its file lives, ending it, and starting a new copy.
#pragma once

#include <string>

namespace jelt::platform {

// Thrown by Process::End. It unwinds every handler and wait of the program up to its host,
// which then tears the program down: the program is gone at once, and nothing runs after.
struct ProgramEnded {};

class Process {
 public:
  virtual ~Process() = default;

  // The directory that holds the program file, without a trailing separator.
  virtual std::string ProgramDirectory() const = 0;
  // Ends the program at once: tells the host, then unwinds by throwing ProgramEnded.
  [[noreturn]] void End() {
    OnEnd();
    throw ProgramEnded{};
  }
  // Starts a new copy of the program's executable, minimised with the focus. Returns
  // false when it could not be started.
  virtual bool StartCopy() = 0;

 protected:
  // The host learns that the program ends, before it unwinds.
  virtual void OnEnd() = 0;
};

}  // namespace jelt::platform
