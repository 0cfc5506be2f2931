// The Win32 user and kernel functions through which the program finds and drives other
// programs' windows. Names, argument order and results are those of the real functions;
// strings are narrow (Windows-1252) and a null pointer stands for "no string".
#pragma once

#include <cstddef>

#include "platform/win32_types.h"

namespace jelt::platform {

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  virtual Hwnd FindWindowA(const char* class_name, const char* window_name) = 0;
  virtual Hwnd FindWindowExA(Hwnd parent, Hwnd child_after, const char* class_name,
                             const char* window_name) = 0;
  virtual Hwnd GetWindow(Hwnd window, Uint command) = 0;
  virtual int GetClassNameA(Hwnd window, char* buffer, int max_count) = 0;
  // The internal caption; for another program's control this is not its current text.
  virtual int GetWindowTextA(Hwnd window, char* buffer, int max_count) = 0;
  virtual int GetWindowTextLengthA(Hwnd window) = 0;
  virtual Lresult SendMessageA(Hwnd window, Uint message, Wparam wparam, Lparam lparam) = 0;
  virtual bool PostMessageA(Hwnd window, Uint message, Wparam wparam, Lparam lparam) = 0;
  virtual bool IsWindowVisible(Hwnd window) = 0;
  virtual bool GetCursorPos(Point* point) = 0;
  virtual bool SetCursorPos(int x, int y) = 0;
  // Returns whether the window was visible before the call.
  virtual bool ShowWindow(Hwnd window, int command) = 0;
  // Returns the window that had the focus before.
  virtual Hwnd SetFocus(Hwnd window) = 0;
  virtual bool SetWindowPos(Hwnd window, Hwnd insert_after, int x, int y, int cx, int cy,
                            Uint flags) = 0;
  virtual bool ReleaseCapture() = 0;
  virtual Dword GetWindowThreadProcessId(Hwnd window, Dword* process_id) = 0;
  virtual Handle OpenProcess(Dword desired_access, bool inherit_handle, Dword process_id) = 0;
  virtual bool ReadProcessMemory(Handle process, std::uint32_t base_address, void* buffer,
                                 std::size_t size, std::size_t* bytes_read) = 0;
  virtual bool CloseHandle(Handle object) = 0;
};

}  // namespace jelt::platform
