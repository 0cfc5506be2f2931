// The base of a simulated program: the Win32 calls such a program makes, under their own
// names, bound to its process. Written this way, the simulated client reads like a Win32
// program and can be built as one later.
#pragma once

#include <string>
#include <string_view>

#include "sim/desktop.h"

namespace jelt::sim {

class Win32Program {
 public:
  Win32Program(Desktop& desktop, std::string name)
      : desktop_(desktop), process_id_(desktop.StartProcess(std::move(name))) {}
  Win32Program(const Win32Program&) = delete;
  Win32Program& operator=(const Win32Program&) = delete;
  virtual ~Win32Program() { ExitProcess(); }

  Dword ProcessId() const { return process_id_; }
  bool Running() const { return desktop_.ProcessAlive(process_id_); }

 protected:
  void RegisterClassA(std::string name, WindowProc proc) {
    desktop_.RegisterClass(process_id_, std::move(name), std::move(proc));
  }
  Hwnd CreateWindowExA(std::string_view class_name, std::string_view caption, Hwnd parent,
                       bool visible = true) {
    return desktop_.CreateWindow(process_id_, class_name, caption, parent, visible);
  }
  bool DestroyWindow(Hwnd window) { return desktop_.DestroyWindow(window); }
  Lresult DefWindowProcA(Hwnd window, Uint message, Wparam wparam, Lparam lparam) {
    return desktop_.DefWindowProc(window, message, wparam, lparam);
  }
  bool SetWindowTextA(Hwnd window, std::string_view caption) {
    return desktop_.SetWindowText(window, caption);
  }
  bool BringWindowToTop(Hwnd window) { return desktop_.BringWindowToTop(window); }
  bool ShowWindow(Hwnd window, int command) { return desktop_.ShowWindow(window, command); }
  void SetTimer(Hwnd window, Uint id, int interval_ms) {
    desktop_.SetTimer(window, id, interval_ms);
  }
  void KillTimer(Hwnd window, Uint id) { desktop_.KillTimer(window, id); }
  Lresult SendMessageA(Hwnd window, Uint message, Wparam wparam, Lparam lparam) {
    return desktop_.SendMessageA(window, message, wparam, lparam);
  }
  bool PostMessageA(Hwnd window, Uint message, Wparam wparam, Lparam lparam) {
    return desktop_.PostMessageA(window, message, wparam, lparam);
  }
  bool IsWindow(Hwnd window) const { return desktop_.IsWindow(window); }
  // Memory of this program, where other programs may read it.
  std::uint32_t HeapAlloc(std::size_t size) { return desktop_.Allocate(process_id_, size); }
  bool WriteOwnMemory(std::uint32_t address, const void* data, std::size_t size) {
    return desktop_.WriteMemory(process_id_, address, data, size);
  }
  // Every window of the program goes, and the program with them.
  void ExitProcess() {
    if (Running()) desktop_.EndProcess(process_id_);
  }

  Desktop& desktop_;

 private:
  Dword process_id_;
};

}  // namespace jelt::sim
