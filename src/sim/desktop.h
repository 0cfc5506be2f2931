// The simulated desktop: an in-process window system held to the semantics of Win32.
//
// Windows have a handle, a class, an internal caption, a parent, children in z-order, a
// visible flag, an owning program and a window procedure. SendMessageA calls the target's
// procedure at once; PostMessageA queues the message until the owning program pumps, which
// it does as an event of the world on the shared event loop. Each program has an address
// space for ReadProcessMemory and a handle table, so a test can check that every handle
// was closed. The calls of platform::WindowSystem are made on behalf of one program, the
// caller (the program under test).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/basic_event_loop.h"
#include "platform/window_system.h"

namespace jelt::sim {

using platform::Dword;
using platform::Handle;
using platform::Hwnd;
using platform::Lparam;
using platform::Lresult;
using platform::Uint;
using platform::Wparam;

inline constexpr Uint WM_DESTROY = 0x0002;
inline constexpr Uint WM_SHOWWINDOW = 0x0018;

using WindowProc = std::function<Lresult(Hwnd, Uint, Wparam, Lparam)>;

class Desktop final : public platform::WindowSystem {
 public:
  // The screen, in pixels.
  static constexpr int kScreenWidth = 1024;
  static constexpr int kScreenHeight = 768;

  explicit Desktop(platform::BasicEventLoop& loop);
  ~Desktop() override;

  // Programs.
  Dword StartProcess(std::string name);
  // Destroys every window of the program and drops its memory, queue and handles.
  void EndProcess(Dword process_id);
  bool ProcessAlive(Dword process_id) const;
  // The program on whose behalf the WindowSystem calls are made.
  void SetCaller(Dword process_id) { caller_ = process_id; }
  Dword Caller() const { return caller_; }
  // Process handles the program holds open.
  std::size_t OpenHandleCount(Dword process_id) const;

  // The creation API of a simulated program.
  void RegisterClass(Dword process_id, std::string class_name, WindowProc proc);
  // A window with parent 0 is top-level and goes to the top of the z-order; a child goes
  // to the bottom of its siblings, as Win32 places new controls.
  Hwnd CreateWindow(Dword process_id, std::string_view class_name, std::string_view caption,
                    Hwnd parent, bool visible = true);
  bool DestroyWindow(Hwnd window);
  Lresult DefWindowProc(Hwnd window, Uint message, Wparam wparam, Lparam lparam);
  bool SetWindowText(Hwnd window, std::string_view caption);
  bool BringWindowToTop(Hwnd window);
  void SetTimer(Hwnd window, Uint id, int interval_ms);
  void KillTimer(Hwnd window, Uint id);

  // Looking at the tree, for the simulated programs and for tests.
  bool IsWindow(Hwnd window) const;
  Hwnd DesktopWindow() const { return desktop_; }
  Hwnd Parent(Hwnd window) const;
  std::vector<Hwnd> Children(Hwnd window) const;
  std::string ClassOf(Hwnd window) const;
  std::string CaptionOf(Hwnd window) const;
  Dword ProcessOf(Hwnd window) const;
  bool IsMinimised(Hwnd window) const;
  bool IsTopmost(Hwnd window) const;
  Hwnd Focus() const { return focus_; }

  // A program's memory. Addresses are 32-bit and stable for the program's life.
  std::uint32_t Allocate(Dword process_id, std::size_t size);
  bool WriteMemory(Dword process_id, std::uint32_t address, const void* data, std::size_t size);
  // Makes every ReadProcessMemory of the program's memory fail, or work again.
  void FailMemoryReads(Dword process_id, bool fail);

  // platform::WindowSystem.
  Hwnd FindWindowA(const char* class_name, const char* window_name) override;
  Hwnd FindWindowExA(Hwnd parent, Hwnd child_after, const char* class_name,
                     const char* window_name) override;
  Hwnd GetWindow(Hwnd window, Uint command) override;
  int GetClassNameA(Hwnd window, char* buffer, int max_count) override;
  int GetWindowTextA(Hwnd window, char* buffer, int max_count) override;
  int GetWindowTextLengthA(Hwnd window) override;
  Lresult SendMessageA(Hwnd window, Uint message, Wparam wparam, Lparam lparam) override;
  bool PostMessageA(Hwnd window, Uint message, Wparam wparam, Lparam lparam) override;
  bool IsWindowVisible(Hwnd window) override;
  bool GetCursorPos(platform::Point* point) override;
  bool SetCursorPos(int x, int y) override;
  bool ShowWindow(Hwnd window, int command) override;
  Hwnd SetFocus(Hwnd window) override;
  bool SetWindowPos(Hwnd window, Hwnd insert_after, int x, int y, int cx, int cy,
                    Uint flags) override;
  bool ReleaseCapture() override { return true; }
  Dword GetWindowThreadProcessId(Hwnd window, Dword* process_id) override;
  Handle OpenProcess(Dword desired_access, bool inherit_handle, Dword process_id) override;
  bool ReadProcessMemory(Handle process, std::uint32_t base_address, void* buffer, std::size_t size,
                         std::size_t* bytes_read) override;
  bool CloseHandle(Handle object) override;

 private:
  struct Window {
    Hwnd handle = 0;
    Dword process_id = 0;
    std::string class_name;
    std::string caption;
    Hwnd parent = 0;
    std::vector<Hwnd> children;  // z-order, top first
    bool visible = true;
    bool minimised = false;
    bool topmost = false;
    int x = 0, y = 0, width = 0, height = 0;
  };
  struct Message {
    Hwnd window;
    Uint message;
    Wparam wparam;
    Lparam lparam;
  };
  struct ProcessHandle {
    Dword target = 0;
    Dword access = 0;
  };
  struct Program {
    std::string name;
    std::unordered_map<std::string, WindowProc> classes;        // by lower-cased name
    std::map<std::uint32_t, std::vector<std::uint8_t>> memory;  // by base address
    std::uint32_t next_address = 0x00410000;
    bool memory_reads_fail = false;
    std::vector<Message> queue;
    bool pump_scheduled = false;
    std::unordered_map<Handle, ProcessHandle> handles;
  };

  Window* Find(Hwnd window);
  const Window* Find(Hwnd window) const;
  Program* FindProgram(Dword process_id);
  const WindowProc* ProcOf(const Window& window) const;
  void Unlink(Window& window);
  void Pump(Dword process_id);
  void FireTimer(Hwnd window, Uint id, int interval_ms);

  platform::BasicEventLoop& loop_;
  std::unordered_map<Hwnd, Window> windows_;
  std::map<Dword, Program> programs_;
  std::map<std::pair<Hwnd, Uint>, platform::EventLoop::TaskId> timers_;
  Hwnd desktop_ = 0;
  Hwnd next_handle_ = 0x00010010;
  Dword next_process_id_ = 0x0410;
  Handle next_object_handle_ = 0x0104;
  Dword caller_ = 0;
  Hwnd focus_ = 0;
  platform::Point cursor_{kScreenWidth / 2, kScreenHeight / 2};
};

}  // namespace jelt::sim
