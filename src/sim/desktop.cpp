#include "sim/desktop.h"

#include <algorithm>
#include <cstring>

namespace jelt::sim {

namespace {

using platform::GW_CHILD;
using platform::GW_HWNDNEXT;

constexpr Uint GW_HWNDFIRST = 0;
constexpr Uint GW_HWNDLAST = 1;
constexpr Uint GW_HWNDPREV = 3;

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return out;
}

// Window searches compare class names and captions without regard to case.
bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && Lower(a) == Lower(b);
}

// Copies text into a caller's buffer of max_count characters, terminator included, as the
// text functions do. Returns the characters copied.
int CopyOut(std::string_view text, char* buffer, Wparam max_count) {
  if (buffer == nullptr || max_count == 0) return 0;
  const std::size_t n = std::min<std::size_t>(text.size(), max_count - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

}  // namespace

Desktop::Desktop(platform::BasicEventLoop& loop) : loop_(loop) {
  const Dword system = StartProcess("system");
  desktop_ = next_handle_;
  next_handle_ += 2;
  Window& desktop = windows_[desktop_];
  desktop.handle = desktop_;
  desktop.process_id = system;
  desktop.class_name = "#32769";
}

Desktop::~Desktop() {
  for (const auto& [key, task] : timers_)
    loop_.Cancel(task);
}

Dword Desktop::StartProcess(std::string name) {
  const Dword id = next_process_id_;
  next_process_id_ += 4;
  programs_[id].name = std::move(name);
  return id;
}

void Desktop::EndProcess(Dword process_id) {
  std::vector<Hwnd> top_windows;
  for (const auto& [handle, window] : windows_) {
    if (window.process_id == process_id && handle != desktop_) {
      const Window* parent = Find(window.parent);
      if (parent == nullptr || parent->process_id != process_id) top_windows.push_back(handle);
    }
  }
  std::sort(top_windows.begin(), top_windows.end());
  for (const Hwnd handle : top_windows)
    DestroyWindow(handle);
  programs_.erase(process_id);
}

bool Desktop::ProcessAlive(Dword process_id) const {
  return programs_.count(process_id) != 0;
}

std::size_t Desktop::OpenHandleCount(Dword process_id) const {
  const auto it = programs_.find(process_id);
  return it == programs_.end() ? 0 : it->second.handles.size();
}

Desktop::Window* Desktop::Find(Hwnd window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

const Desktop::Window* Desktop::Find(Hwnd window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

Desktop::Program* Desktop::FindProgram(Dword process_id) {
  const auto it = programs_.find(process_id);
  return it == programs_.end() ? nullptr : &it->second;
}

const WindowProc* Desktop::ProcOf(const Window& window) const {
  const auto program = programs_.find(window.process_id);
  if (program == programs_.end()) return nullptr;
  const auto proc = program->second.classes.find(Lower(window.class_name));
  return proc == program->second.classes.end() ? nullptr : &proc->second;
}

void Desktop::RegisterClass(Dword process_id, std::string class_name, WindowProc proc) {
  if (Program* program = FindProgram(process_id)) {
    program->classes[Lower(class_name)] = std::move(proc);
  }
}

Hwnd Desktop::CreateWindow(Dword process_id, std::string_view class_name, std::string_view caption,
                           Hwnd parent, bool visible) {
  if (parent == 0) parent = desktop_;
  Window* parent_window = Find(parent);
  if (parent_window == nullptr || !ProcessAlive(process_id)) return 0;
  const Hwnd handle = next_handle_;
  next_handle_ += 2;
  Window window;
  window.handle = handle;
  window.process_id = process_id;
  window.class_name = std::string(class_name);
  window.caption = std::string(caption);
  window.parent = parent;
  window.visible = visible;
  auto& siblings = parent_window->children;
  if (parent == desktop_) {
    siblings.insert(siblings.begin(), handle);
  } else {
    siblings.push_back(handle);
  }
  windows_.emplace(handle, std::move(window));
  return handle;
}

void Desktop::Unlink(Window& window) {
  if (Window* parent = Find(window.parent)) {
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
  }
}

bool Desktop::DestroyWindow(Hwnd handle) {
  Window* window = Find(handle);
  if (window == nullptr || handle == desktop_) return false;
  SendMessageA(handle, WM_DESTROY, 0, 0);
  window = Find(handle);  // the procedure may have destroyed it already
  if (window == nullptr) return true;
  const std::vector<Hwnd> children = window->children;
  for (const Hwnd child : children)
    DestroyWindow(child);
  window = Find(handle);
  if (window == nullptr) return true;
  Unlink(*window);
  for (auto it = timers_.begin(); it != timers_.end();) {
    if (it->first.first == handle) {
      loop_.Cancel(it->second);
      it = timers_.erase(it);
    } else {
      ++it;
    }
  }
  if (focus_ == handle) focus_ = 0;
  windows_.erase(handle);
  return true;
}

Lresult Desktop::DefWindowProc(Hwnd handle, Uint message, Wparam wparam, Lparam lparam) {
  Window* window = Find(handle);
  if (window == nullptr) return 0;
  switch (message) {
    case platform::WM_SETTEXT:
      window->caption = lparam == 0 ? "" : reinterpret_cast<const char*>(lparam);
      return 1;
    case platform::WM_GETTEXT:
      return CopyOut(window->caption, reinterpret_cast<char*>(lparam), wparam);
    case platform::WM_GETTEXTLENGTH:
      return static_cast<Lresult>(window->caption.size());
    case platform::WM_CLOSE:
      DestroyWindow(handle);
      return 0;
    default:
      return 0;
  }
}

bool Desktop::SetWindowText(Hwnd handle, std::string_view caption) {
  Window* window = Find(handle);
  if (window == nullptr) return false;
  window->caption = std::string(caption);
  return true;
}

bool Desktop::BringWindowToTop(Hwnd handle) {
  Window* window = Find(handle);
  if (window == nullptr) return false;
  Window* parent = Find(window->parent);
  if (parent == nullptr) return false;
  auto& siblings = parent->children;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
  siblings.insert(siblings.begin(), handle);
  return true;
}

void Desktop::SetTimer(Hwnd window, Uint id, int interval_ms) {
  KillTimer(window, id);
  if (!IsWindow(window)) return;
  timers_[{window, id}] = loop_.ScheduleWorld(loop_.Now() + interval_ms / 1000.0,
                                              [=, this] { FireTimer(window, id, interval_ms); });
}

void Desktop::KillTimer(Hwnd window, Uint id) {
  const auto it = timers_.find({window, id});
  if (it == timers_.end()) return;
  loop_.Cancel(it->second);
  timers_.erase(it);
}

void Desktop::FireTimer(Hwnd window, Uint id, int interval_ms) {
  timers_[{window, id}] = loop_.ScheduleWorld(loop_.Now() + interval_ms / 1000.0,
                                              [=, this] { FireTimer(window, id, interval_ms); });
  SendMessageA(window, platform::WM_TIMER, id, 0);
}

bool Desktop::IsWindow(Hwnd window) const {
  return window != 0 && Find(window) != nullptr;
}

Hwnd Desktop::Parent(Hwnd handle) const {
  const Window* window = Find(handle);
  return window == nullptr || window->parent == desktop_ ? 0 : window->parent;
}

std::vector<Hwnd> Desktop::Children(Hwnd handle) const {
  const Window* window = Find(handle == 0 ? desktop_ : handle);
  return window == nullptr ? std::vector<Hwnd>{} : window->children;
}

std::string Desktop::ClassOf(Hwnd handle) const {
  const Window* window = Find(handle);
  return window == nullptr ? "" : window->class_name;
}

std::string Desktop::CaptionOf(Hwnd handle) const {
  const Window* window = Find(handle);
  return window == nullptr ? "" : window->caption;
}

Dword Desktop::ProcessOf(Hwnd handle) const {
  const Window* window = Find(handle);
  return window == nullptr ? 0 : window->process_id;
}

bool Desktop::IsMinimised(Hwnd handle) const {
  const Window* window = Find(handle);
  return window != nullptr && window->minimised;
}

bool Desktop::IsTopmost(Hwnd handle) const {
  const Window* window = Find(handle);
  return window != nullptr && window->topmost;
}

std::uint32_t Desktop::Allocate(Dword process_id, std::size_t size) {
  Program* program = FindProgram(process_id);
  if (program == nullptr) return 0;
  const std::uint32_t address = program->next_address;
  program->memory[address].assign(size, 0);
  // Keep allocations apart and aligned, like a heap would.
  program->next_address += static_cast<std::uint32_t>((size + 0x1F) & ~std::size_t{0xF});
  return address;
}

bool Desktop::WriteMemory(Dword process_id, std::uint32_t address, const void* data,
                          std::size_t size) {
  Program* program = FindProgram(process_id);
  if (program == nullptr) return false;
  auto block = program->memory.upper_bound(address);
  if (block == program->memory.begin()) return false;
  --block;
  const std::size_t offset = address - block->first;
  if (offset + size > block->second.size()) return false;
  std::memcpy(block->second.data() + offset, data, size);
  return true;
}

void Desktop::FailMemoryReads(Dword process_id, bool fail) {
  if (Program* program = FindProgram(process_id)) program->memory_reads_fail = fail;
}

Hwnd Desktop::FindWindowA(const char* class_name, const char* window_name) {
  return FindWindowExA(0, 0, class_name, window_name);
}

Hwnd Desktop::FindWindowExA(Hwnd parent, Hwnd child_after, const char* class_name,
                            const char* window_name) {
  const Window* parent_window = Find(parent == 0 ? desktop_ : parent);
  if (parent_window == nullptr) return 0;
  const auto& children = parent_window->children;
  auto it = children.begin();
  if (child_after != 0) {
    it = std::find(children.begin(), children.end(), child_after);
    if (it == children.end()) return 0;  // not a direct child
    ++it;
  }
  for (; it != children.end(); ++it) {
    const Window& window = windows_.at(*it);
    if (class_name != nullptr && !SameText(window.class_name, class_name)) continue;
    if (window_name != nullptr && !SameText(window.caption, window_name)) continue;
    return window.handle;
  }
  return 0;
}

Hwnd Desktop::GetWindow(Hwnd handle, Uint command) {
  const Window* window = Find(handle);
  if (window == nullptr) return 0;
  if (command == GW_CHILD) return window->children.empty() ? 0 : window->children.front();
  const Window* parent = Find(window->parent);
  if (parent == nullptr) return 0;
  const auto& siblings = parent->children;
  const auto at = std::find(siblings.begin(), siblings.end(), handle);
  switch (command) {
    case GW_HWNDFIRST:
      return siblings.front();
    case GW_HWNDLAST:
      return siblings.back();
    case GW_HWNDNEXT:
      return at + 1 == siblings.end() ? 0 : *(at + 1);
    case GW_HWNDPREV:
      return at == siblings.begin() ? 0 : *(at - 1);
    default:
      return 0;
  }
}

int Desktop::GetClassNameA(Hwnd handle, char* buffer, int max_count) {
  const Window* window = Find(handle);
  if (window == nullptr || max_count <= 0) return 0;
  return CopyOut(window->class_name, buffer, static_cast<Wparam>(max_count));
}

int Desktop::GetWindowTextA(Hwnd handle, char* buffer, int max_count) {
  const Window* window = Find(handle);
  if (window == nullptr || max_count <= 0) return 0;
  // Only the caller's own windows are asked for their text; another program's window gives
  // its internal caption, whatever its procedure would answer.
  if (window->process_id == caller_) {
    return static_cast<int>(SendMessageA(handle, platform::WM_GETTEXT,
                                         static_cast<Wparam>(max_count),
                                         reinterpret_cast<Lparam>(buffer)));
  }
  return CopyOut(window->caption, buffer, static_cast<Wparam>(max_count));
}

int Desktop::GetWindowTextLengthA(Hwnd handle) {
  const Window* window = Find(handle);
  if (window == nullptr) return 0;
  if (window->process_id == caller_) {
    return static_cast<int>(SendMessageA(handle, platform::WM_GETTEXTLENGTH, 0, 0));
  }
  return static_cast<int>(window->caption.size());
}

Lresult Desktop::SendMessageA(Hwnd handle, Uint message, Wparam wparam, Lparam lparam) {
  const Window* window = Find(handle);
  if (window == nullptr) return 0;
  const WindowProc* proc = ProcOf(*window);
  if (proc == nullptr) return DefWindowProc(handle, message, wparam, lparam);
  const WindowProc call = *proc;  // the procedure may re-register or end its program
  return call(handle, message, wparam, lparam);
}

bool Desktop::PostMessageA(Hwnd handle, Uint message, Wparam wparam, Lparam lparam) {
  const Window* window = Find(handle);
  if (window == nullptr) return false;
  Program* program = FindProgram(window->process_id);
  if (program == nullptr) return false;
  program->queue.push_back({handle, message, wparam, lparam});
  if (!program->pump_scheduled) {
    program->pump_scheduled = true;
    const Dword process_id = window->process_id;
    loop_.PostWorld([this, process_id] { Pump(process_id); });
  }
  return true;
}

void Desktop::Pump(Dword process_id) {
  for (;;) {
    Program* program = FindProgram(process_id);
    if (program == nullptr) return;
    if (program->queue.empty()) {
      program->pump_scheduled = false;
      return;
    }
    const Message message = program->queue.front();
    program->queue.erase(program->queue.begin());
    SendMessageA(message.window, message.message, message.wparam, message.lparam);
  }
}

bool Desktop::IsWindowVisible(Hwnd handle) {
  for (const Window* window = Find(handle); window != nullptr; window = Find(window->parent)) {
    if (window->handle == desktop_) return true;
    if (!window->visible) return false;
  }
  return false;
}

bool Desktop::GetCursorPos(platform::Point* point) {
  if (point == nullptr) return false;
  *point = cursor_;
  return true;
}

bool Desktop::SetCursorPos(int x, int y) {
  cursor_.x = std::clamp(x, 0, kScreenWidth - 1);
  cursor_.y = std::clamp(y, 0, kScreenHeight - 1);
  return true;
}

bool Desktop::ShowWindow(Hwnd handle, int command) {
  Window* window = Find(handle);
  if (window == nullptr) return false;
  const bool was_visible = window->visible;
  switch (command) {
    case platform::SW_HIDE:
      window->visible = false;
      break;
    case platform::SW_MINIMIZE:
      window->minimised = true;
      break;
    case platform::SW_RESTORE:
      window->minimised = false;
      window->visible = true;
      break;
    default:
      window->visible = true;
      break;
  }
  if (was_visible != window->visible) {
    SendMessageA(handle, WM_SHOWWINDOW, window->visible ? 1 : 0, 0);
  }
  return was_visible;
}

Hwnd Desktop::SetFocus(Hwnd handle) {
  if (handle != 0 && !IsWindow(handle)) return 0;
  const Hwnd before = focus_;
  focus_ = handle;
  return before;
}

bool Desktop::SetWindowPos(Hwnd handle, Hwnd insert_after, int x, int y, int cx, int cy,
                           Uint flags) {
  Window* window = Find(handle);
  if (window == nullptr) return false;
  if ((flags & platform::SWP_NOMOVE) == 0) {
    window->x = x;
    window->y = y;
  }
  if ((flags & platform::SWP_NOSIZE) == 0) {
    window->width = cx;
    window->height = cy;
  }
  if (insert_after == platform::HWND_TOPMOST) window->topmost = true;
  if (insert_after == platform::HWND_TOPMOST || insert_after == platform::HWND_TOP) {
    BringWindowToTop(handle);
  }
  return true;
}

Dword Desktop::GetWindowThreadProcessId(Hwnd handle, Dword* process_id) {
  const Window* window = Find(handle);
  if (window == nullptr) return 0;
  if (process_id != nullptr) *process_id = window->process_id;
  return window->process_id + 1;  // one thread per program
}

Handle Desktop::OpenProcess(Dword desired_access, bool, Dword process_id) {
  Program* caller = FindProgram(caller_);
  if (caller == nullptr || !ProcessAlive(process_id)) return 0;
  const Handle handle = next_object_handle_;
  next_object_handle_ += 4;
  caller->handles[handle] = ProcessHandle{process_id, desired_access};
  return handle;
}

bool Desktop::ReadProcessMemory(Handle process, std::uint32_t base_address, void* buffer,
                                std::size_t size, std::size_t* bytes_read) {
  if (bytes_read != nullptr) *bytes_read = 0;
  Program* caller = FindProgram(caller_);
  if (caller == nullptr) return false;
  const auto handle = caller->handles.find(process);
  if (handle == caller->handles.end() || (handle->second.access & platform::PROCESS_VM_READ) == 0) {
    return false;
  }
  Program* target = FindProgram(handle->second.target);
  if (target == nullptr || target->memory_reads_fail) return false;
  auto block = target->memory.upper_bound(base_address);
  if (block == target->memory.begin()) return false;
  --block;
  const std::size_t offset = base_address - block->first;
  if (offset + size > block->second.size()) return false;
  std::memcpy(buffer, block->second.data() + offset, size);
  if (bytes_read != nullptr) *bytes_read = size;
  return true;
}

bool Desktop::CloseHandle(Handle object) {
  Program* caller = FindProgram(caller_);
  return caller != nullptr && caller->handles.erase(object) != 0;
}

}  // namespace jelt::sim
