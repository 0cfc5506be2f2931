// The chat client as the program drives it: finding its windows by class and caption,
// reading their text, typing a line into the chat room, reading the signed-on screen name,
// clicking, pressing buttons, opening links and choosing popup-menu entries. Everything
// goes through platform::WindowSystem; nothing is kept between calls, every operation
// looks its windows up again. Text is UTF-8 here and Windows-1252 at the window system.
#pragma once

#include <string>
#include <string_view>

#include "platform/event_loop.h"
#include "platform/ui_host.h"
#include "platform/window_system.h"

namespace jelt::aolwin {

using platform::Hwnd;

class Client {
 public:
  // How many times SendChatLine presses Enter before it gives up on a client that does not
  // take the line, and how long it pauses between presses.
  static constexpr int kMaxEnterPresses = 50;
  static constexpr double kEnterRetryPause_s = 0.01;
  // How long ChooseToolbarMenuItem waits for the popup menu to come up.
  static constexpr double kMenuWait_s = 5.0;

  Client(platform::WindowSystem& windows, platform::EventLoop& loop, platform::UiHost& ui)
      : windows_(windows), loop_(loop), ui_(ui) {}

  platform::WindowSystem& Windows() { return windows_; }
  platform::EventLoop& Loop() { return loop_; }

  // Window search.
  Hwnd FindMainWindow();
  Hwnd FindMdiClient();
  Hwnd FindChatRoom();
  // The first child of `parent` of the sample child's class whose caption contains `text`,
  // letter case ignored; pending events are handled between the children it looks at.
  Hwnd FindChildByCaption(Hwnd parent, Hwnd sample_child, std::string_view text);
  // The first child of a class (FindWindowExA with no caption), 0 when none.
  Hwnd FindChild(Hwnd parent, const char* class_name);
  // The next sibling of the same class after `child`.
  Hwnd FindNextChild(Hwnd parent, Hwnd child, const char* class_name);
  // A top-level window by class and, unless null, caption.
  Hwnd FindTopWindow(const char* class_name, const char* caption = nullptr);

  // Reading text: a control's text by WM_GETTEXTLENGTH and WM_GETTEXT, a window's caption
  // by GetWindowTextLengthA and GetWindowTextA.
  std::string ReadControlText(Hwnd window);
  std::string ReadWindowCaption(Hwnd window);

  // Types one line into the chat room's input box and sends it, with "</s>" in front. The
  // member's unsent draft is put back afterwards. An empty line sends nothing.
  void SendChatLine(std::string_view line);
  // The screen name signed on to the client, from the welcome window; "" when it is not
  // open.
  std::string OwnScreenName();

  // Input to client windows.
  void ClickWindow(Hwnd window);
  // The space bar pressed and let go on a button: posted (no waiting) or sent.
  void PostButtonPress(Hwnd button);
  void SendButtonPress(Hwnd button);
  void OpenClientLink(std::string_view text);
  // Opens the popup menu of the third toolbar icon and chooses the entry that many steps
  // down. Returns false when the menu did not come up in time; the pointer is put back
  // either way.
  bool ChooseToolbarMenuItem(int steps_down);

  // Waiting, with pending events handled all the while.
  void WaitSeconds(double seconds);
  void DoEvents() { loop_.DoEvents(); }

 private:
  platform::WindowSystem& windows_;
  platform::EventLoop& loop_;
  platform::UiHost& ui_;
};

}  // namespace jelt::aolwin
