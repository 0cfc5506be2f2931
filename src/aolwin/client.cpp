#include "aolwin/client.h"

#include <vector>

#include "platform/text.h"

namespace jelt::aolwin {

namespace {

using namespace platform;

constexpr std::string_view kWelcomePrefix = "Welcome, ";
constexpr double kMenuPoll_s = 0.01;

std::string Narrow(std::string_view utf8) {
  return Utf8ToCp1252(utf8);
}

std::string Wide(const std::vector<char>& buffer, int count) {
  std::string_view text(buffer.data(), count < 0 ? 0 : static_cast<std::size_t>(count));
  // A control whose text shrank between the two calls leaves the buffer's tail empty.
  text = text.substr(0, text.find('\0'));
  return Cp1252ToUtf8(text);
}

}  // namespace

Hwnd Client::FindMainWindow() {
  return windows_.FindWindowA("AOL Frame25", nullptr);
}

Hwnd Client::FindMdiClient() {
  return FindChild(FindMainWindow(), "MDIClient");
}

Hwnd Client::FindChild(Hwnd parent, const char* class_name) {
  return parent == 0 ? 0 : windows_.FindWindowExA(parent, 0, class_name, nullptr);
}

Hwnd Client::FindNextChild(Hwnd parent, Hwnd child, const char* class_name) {
  return parent == 0 || child == 0 ? 0 : windows_.FindWindowExA(parent, child, class_name, nullptr);
}

Hwnd Client::FindTopWindow(const char* class_name, const char* caption) {
  const std::string narrow = caption == nullptr ? "" : Narrow(caption);
  return windows_.FindWindowA(class_name, caption == nullptr ? nullptr : narrow.c_str());
}

Hwnd Client::FindChatRoom() {
  const Hwnd mdi = FindMdiClient();
  if (mdi == 0) return 0;
  for (Hwnd child = FindChild(mdi, "AOL Child"); child != 0;
       child = FindNextChild(mdi, child, "AOL Child")) {
    if (FindChild(child, "RICHCNTL") != 0 && FindChild(child, "_AOL_Listbox") != 0 &&
        FindChild(child, "_AOL_Icon") != 0 && FindChild(child, "_AOL_Static") != 0) {
      return child;
    }
  }
  return 0;
}

Hwnd Client::FindChildByCaption(Hwnd parent, Hwnd sample_child, std::string_view text) {
  std::vector<char> class_name(250, '\0');
  const int class_length = windows_.GetClassNameA(sample_child, class_name.data(), 250);
  const std::string cls(class_name.data(), class_length < 0 ? 0 : class_length);
  const std::string wanted = LowerCase(text);
  const auto matches = [&](Hwnd child) {
    std::vector<char> caption(200, '\0');
    const int n = windows_.GetWindowTextA(child, caption.data(), 200);
    return LowerCase(Wide(caption, n)).find(wanted) != std::string::npos;
  };
  Hwnd child = windows_.FindWindowExA(parent, 0, cls.c_str(), nullptr);
  if (child != 0 && matches(child)) return child;
  while (child != 0) {
    loop_.DoEvents();
    child = windows_.FindWindowExA(parent, child, cls.c_str(), nullptr);
    if (child != 0 && matches(child)) return child;
  }
  return 0;
}

std::string Client::ReadControlText(Hwnd window) {
  const auto length = windows_.SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return "";
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied = windows_.SendMessageA(window, WM_GETTEXT, buffer.size(),
                                            reinterpret_cast<Lparam>(buffer.data()));
  return Wide(buffer, static_cast<int>(copied));
}

std::string Client::ReadWindowCaption(Hwnd window) {
  const int length = windows_.GetWindowTextLengthA(window);
  if (length <= 0) return "";
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = windows_.GetWindowTextA(window, buffer.data(), length + 1);
  return Wide(buffer, copied);
}

void Client::SendChatLine(std::string_view line) {
  if (line.empty() || FindChatRoom() == 0) return;
  const Hwnd room = FindChatRoom();
  const Hwnd first = FindChild(room, "RICHCNTL");
  const Hwnd input = FindNextChild(room, first, "RICHCNTL");
  const std::string saved = Narrow(ReadControlText(input));
  windows_.SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<Lparam>(""));
  const std::string text = Narrow("</s>" + std::string(line));
  windows_.SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<Lparam>(text.c_str()));
  for (int press = 0; press < kMaxEnterPresses; ++press) {
    loop_.DoEvents();
    windows_.SendMessageA(input, WM_CHAR, VK_RETURN, 0);
    if (ReadControlText(input).empty()) break;  // the client has taken the line
    WaitSeconds(kEnterRetryPause_s);
  }
  windows_.SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<Lparam>(saved.c_str()));
}

std::string Client::OwnScreenName() {
  const Hwnd mdi = FindMdiClient();
  if (mdi == 0) return "";
  for (Hwnd child = FindChild(mdi, "AOL Child"); child != 0;
       child = FindNextChild(mdi, child, "AOL Child")) {
    const std::string title = Narrow(ReadWindowCaption(child));
    if (title.rfind(kWelcomePrefix, 0) != 0) continue;
    // The name runs from just after "Welcome, " to the first "!"; a caption without one
    // names nobody.
    const std::size_t bang = title.find('!');
    if (bang == std::string::npos || bang < kWelcomePrefix.size()) return "";
    return Cp1252ToUtf8(title.substr(kWelcomePrefix.size(), bang - kWelcomePrefix.size()));
  }
  return "";
}

void Client::ClickWindow(Hwnd window) {
  windows_.SendMessageA(window, WM_LBUTTONDOWN, 0, 0);
  loop_.DoEvents();
  windows_.SendMessageA(window, WM_LBUTTONUP, 0, 0);
  loop_.DoEvents();
}

void Client::PostButtonPress(Hwnd button) {
  windows_.PostMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
  windows_.PostMessageA(button, WM_KEYUP, VK_SPACE, 0);
}

void Client::SendButtonPress(Hwnd button) {
  windows_.SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
  windows_.SendMessageA(button, WM_KEYUP, VK_SPACE, 0);
}

void Client::OpenClientLink(std::string_view text) {
  const Hwnd toolbar = FindChild(FindChild(FindMainWindow(), "AOL Toolbar"), "_AOL_Toolbar");
  const Hwnd edit = FindChild(FindChild(toolbar, "_AOL_Combobox"), "Edit");
  const std::string narrow = Narrow(text);
  windows_.SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<Lparam>(narrow.c_str()));
  windows_.SendMessageA(edit, WM_CHAR, VK_SPACE, 0);
  windows_.SendMessageA(edit, WM_CHAR, VK_RETURN, 0);
}

bool Client::ChooseToolbarMenuItem(int steps_down) {
  const Hwnd toolbar = FindChild(FindChild(FindMainWindow(), "AOL Toolbar"), "_AOL_Toolbar");
  const Hwnd icon1 = FindChild(toolbar, "_AOL_Icon");
  const Hwnd icon2 = FindNextChild(toolbar, icon1, "_AOL_Icon");
  const Hwnd icon3 = FindNextChild(toolbar, icon2, "_AOL_Icon");
  Point pointer;
  windows_.GetCursorPos(&pointer);
  // Out of the way: the screen's size in twips lies far beyond its bottom-right corner.
  const ScreenSize screen = ui_.Screen();
  windows_.SetCursorPos(screen.width_twips, screen.height_twips);
  windows_.PostMessageA(icon3, WM_LBUTTONDOWN, 0, 0);
  windows_.PostMessageA(icon3, WM_LBUTTONUP, 0, 0);
  // The program's own events wait meanwhile; the client goes on and opens its menu.
  const double deadline = loop_.Now() + kMenuWait_s;
  Hwnd menu = windows_.FindWindowA("#32768", nullptr);
  while (!(menu != 0 && windows_.IsWindowVisible(menu)) && loop_.Now() < deadline) {
    loop_.SleepUntil(loop_.Now() + kMenuPoll_s);
    menu = windows_.FindWindowA("#32768", nullptr);
  }
  const bool shown = menu != 0 && windows_.IsWindowVisible(menu);
  if (shown) {
    for (int i = 0; i < steps_down; ++i) {
      windows_.PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
      windows_.PostMessageA(menu, WM_KEYUP, VK_DOWN, 0);
    }
    windows_.PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    windows_.PostMessageA(menu, WM_KEYUP, VK_RETURN, 0);
  }
  windows_.SetCursorPos(pointer.x, pointer.y);
  return shown;
}

void Client::WaitSeconds(double seconds) {
  loop_.WaitUntil(loop_.Now() + seconds);
}

}  // namespace jelt::aolwin
