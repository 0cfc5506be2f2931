#include "chat/ignore_control.h"

#include "aolwin/people_list.h"

namespace jelt::chat {

namespace {

constexpr double kPoll_s = 0.05;
constexpr int kNotFound = 1;

}  // namespace

void IgnoreControl::IgnoreSN(const std::string& screen_name) {
  const bool done = SetIgnored(screen_name, true);
  client_.Loop().Post([this, done, screen_name] {
    if (done && ChatIgnoreSN) ChatIgnoreSN(screen_name);
    if (!done && ChatIgnoreError) ChatIgnoreError(kNotFound);
  });
}

void IgnoreControl::UnIgnoreSN(const std::string& screen_name) {
  const bool done = SetIgnored(screen_name, false);
  client_.Loop().Post([this, done, screen_name] {
    if (done && ChatUnIgnoreSN) ChatUnIgnoreSN(screen_name);
    if (!done && ChatUnIgnoreError) ChatUnIgnoreError(kNotFound);
  });
}

bool IgnoreControl::SetIgnored(const std::string& screen_name, bool ignored) {
  const std::string wanted = aolwin::NormalizeScreenName(screen_name);
  if (wanted.empty()) return false;
  const platform::Hwnd list = client_.FindChild(client_.FindChatRoom(), "_AOL_Listbox");
  if (list == 0) return false;
  int index = -1;
  {
    aolwin::PeopleListReader people(client_, list);
    if (!people.Opened()) return false;
    const int count = people.Count();
    for (int i = 0; i < count && index < 0; ++i) {
      if (aolwin::NormalizeScreenName(people.Name(i)) == wanted) index = i;
    }
  }
  if (index < 0) return false;
  platform::WindowSystem& windows = client_.Windows();
  windows.SendMessageA(list, platform::LB_SETCURSEL, static_cast<platform::Wparam>(index), 0);
  windows.SendMessageA(list, platform::WM_LBUTTONDBLCLK, 0, 0);
  const platform::Hwnd member_window = WaitForMemberWindow(wanted);
  const platform::Hwnd check = client_.FindChild(member_window, "_AOL_Checkbox");
  if (check == 0) return false;
  windows.SendMessageA(check, platform::BM_SETCHECK, ignored ? 1 : 0, 0);
  const bool set = (windows.SendMessageA(check, platform::BM_GETCHECK, 0, 0) != 0) == ignored;
  windows.SendMessageA(member_window, platform::WM_CLOSE, 0, 0);
  return set;
}

platform::Hwnd IgnoreControl::WaitForMemberWindow(const std::string& normalized_name) {
  const double deadline = client_.Loop().Now() + kMemberWindowWait_s;
  for (;;) {
    const platform::Hwnd mdi = client_.FindMdiClient();
    for (platform::Hwnd child = client_.FindChild(mdi, "AOL Child"); child != 0;
         child = client_.FindNextChild(mdi, child, "AOL Child")) {
      if (client_.FindChild(child, "_AOL_Checkbox") != 0 &&
          aolwin::NormalizeScreenName(client_.ReadWindowCaption(child)) == normalized_name) {
        return child;
      }
    }
    if (client_.Loop().Now() >= deadline) return 0;
    client_.WaitSeconds(kPoll_s);
  }
}

}  // namespace jelt::chat
