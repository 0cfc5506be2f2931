#include "sim/aol_client.h"

#include <algorithm>
#include <cstring>

#include "platform/text.h"

namespace jelt::sim {

namespace {

using platform::BM_GETCHECK;
using platform::BM_SETCHECK;
using platform::EM_GETLINECOUNT;
using platform::EM_GETMODIFY;
using platform::EM_SETMODIFY;
using platform::LB_GETCOUNT;
using platform::LB_GETCURSEL;
using platform::LB_GETITEMDATA;
using platform::LB_SETCURSEL;
using platform::WM_CHAR;
using platform::WM_GETTEXT;
using platform::WM_GETTEXTLENGTH;
using platform::WM_KEYDOWN;
using platform::WM_KEYUP;
using platform::WM_LBUTTONDBLCLK;
using platform::WM_LBUTTONDOWN;
using platform::WM_LBUTTONUP;
using platform::WM_SETTEXT;

constexpr Lresult kListError = -1;
constexpr Wparam kVkUp = 38;
constexpr Wparam kVkEscape = 27;
constexpr int kToolbarIcons = 12;
// The client takes a moment to open a member window after a double click.
constexpr double kMemberWindowDelay_s = 0.15;
constexpr std::string_view kClientCaption = "America Online";

std::string Lower(std::string_view cp1252) {
  return platform::Utf8ToCp1252(platform::LowerCase(platform::Cp1252ToUtf8(cp1252)));
}

int CopyOut(std::string_view text, Lparam buffer, Wparam max_count) {
  char* out = reinterpret_cast<char*>(buffer);
  if (out == nullptr || max_count == 0) return 0;
  const std::size_t n = std::min<std::size_t>(text.size(), max_count - 1);
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
  return static_cast<int>(n);
}

std::string TextOf(Lparam lparam) {
  return lparam == 0 ? std::string() : std::string(reinterpret_cast<const char*>(lparam));
}

// The input box holds one line: line breaks typed or pasted into it become spaces.
std::string SingleLine(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out.push_back(' ');
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

}  // namespace

const std::vector<std::string>& AolClient::MailMenuItems() {
  static const std::vector<std::string> items = {
      "Mail Center",           "Read Mail",    "Write Mail",      "Old Mail", "Sent Mail",
      "Recently Deleted Mail", "Address Book", "Mail Preferences"};
  return items;
}

AolClient::AolClient(Desktop& desktop, platform::BasicEventLoop& loop, std::string member)
    : Win32Program(desktop, "aol"), loop_(loop), member_(platform::Utf8ToCp1252(member)) {
  RegisterClasses();
  BuildMainWindow();
  OpenWelcome();
}

AolClient::~AolClient() {
  if (close_task_ != 0) loop_.Cancel(close_task_);
  // The windows go while this object still exists: their procedures are its members.
  ExitProcess();
}

void AolClient::RegisterClasses() {
  const auto bind = [this](Lresult (AolClient::*proc)(Hwnd, Uint, Wparam, Lparam)) {
    return
        [this, proc](Hwnd w, Uint m, Wparam wp, Lparam lp) { return (this->*proc)(w, m, wp, lp); };
  };
  RegisterClassA("RICHCNTL", [this](Hwnd w, Uint m, Wparam wp, Lparam lp) {
    if (w == room_.transcript) return TranscriptProc(w, m, wp, lp);
    if (w == room_.input) return InputProc(w, m, wp, lp);
    return DefWindowProcA(w, m, wp, lp);
  });
  RegisterClassA("_AOL_Listbox", bind(&AolClient::PeopleProc));
  RegisterClassA("_AOL_Icon", bind(&AolClient::IconProc));
  RegisterClassA("Edit", bind(&AolClient::LinkBoxProc));
  RegisterClassA("Button", bind(&AolClient::ButtonProc));
  RegisterClassA("_AOL_Checkbox", bind(&AolClient::CheckboxProc));
  RegisterClassA("#32768", bind(&AolClient::MenuProc));
}

void AolClient::BuildMainWindow() {
  main_ = CreateWindowExA("AOL Frame25", kClientCaption, 0);
  BuildToolbar(main_);
  mdi_ = CreateWindowExA("MDIClient", "", main_);
}

void AolClient::BuildToolbar(Hwnd main) {
  const Hwnd outer = CreateWindowExA("AOL Toolbar", "", main);
  toolbar_ = CreateWindowExA("_AOL_Toolbar", "", outer);
  for (int i = 0; i < kToolbarIcons; ++i)
    CreateWindowExA("_AOL_Icon", "", toolbar_);
  const Hwnd combo = CreateWindowExA("_AOL_Combobox", "", toolbar_);
  link_edit_ = CreateWindowExA("Edit", "", combo);
}

Hwnd AolClient::CreateChild(Hwnd mdi, std::string_view caption) {
  const Hwnd child = CreateWindowExA("AOL Child", caption, mdi);
  BringWindowToTop(child);  // a new client window comes up active, on top of the others
  return child;
}

Hwnd AolClient::ToolbarIcon(int index) const {
  int seen = 0;
  for (const Hwnd child : desktop_.Children(toolbar_)) {
    if (desktop_.ClassOf(child) == "_AOL_Icon" && seen++ == index) return child;
  }
  return 0;
}

void AolClient::OpenRoom(std::string_view name, const std::vector<std::string>& people) {
  if (!Running()) return;
  if (IsWindow(room_.window)) DestroyWindow(room_.window);
  room_ = Room{};
  room_.window = CreateChild(mdi_, platform::Utf8ToCp1252(name));
  room_.transcript = CreateWindowExA("RICHCNTL", "", room_.window);
  room_.input = CreateWindowExA("RICHCNTL", "", room_.window);
  room_.people = CreateWindowExA("_AOL_Listbox", "", room_.window);
  for (int i = 0; i < 6; ++i)
    CreateWindowExA("_AOL_Icon", "", room_.window);
  for (const char* text : {"People Here:", "", ""}) {
    CreateWindowExA("_AOL_Static", text, room_.window);
  }
  SetPeople(people);
}

void AolClient::SetPeople(const std::vector<std::string>& people) {
  room_.names = {member_};
  for (const std::string& person : people)
    room_.names.push_back(platform::Utf8ToCp1252(person));
  room_.selected = -1;
  WritePeople();
}

// Each item's data is the address of a record in the client's memory; at +24 it holds a
// pointer P, and the name lies at P + 6, ended by a NUL. Readers take 16 bytes there, so
// the block is at least that long.
void AolClient::WritePeople() {
  room_.item_data.clear();
  for (const std::string& name : room_.names) {
    const std::uint32_t record = HeapAlloc(32);
    const std::size_t name_bytes = std::max<std::size_t>(name.size() + 1, 17);
    const std::uint32_t text = HeapAlloc(6 + name_bytes);
    WriteOwnMemory(text + 6, name.c_str(), name.size() + 1);
    const std::uint8_t pointer[4] = {
        static_cast<std::uint8_t>(text), static_cast<std::uint8_t>(text >> 8),
        static_cast<std::uint8_t>(text >> 16), static_cast<std::uint8_t>(text >> 24)};
    WriteOwnMemory(record + 24, pointer, sizeof pointer);
    room_.item_data.push_back(record);
  }
}

void AolClient::Say(std::string_view name, std::string_view text) {
  if (!Running() || !IsWindow(room_.window)) return;
  AddLine(platform::Utf8ToCp1252(name), platform::Utf8ToCp1252(text));
}

void AolClient::MemberTypes(std::string_view draft) {
  if (IsWindow(room_.input)) room_.draft = SingleLine(platform::Utf8ToCp1252(draft));
}

void AolClient::MemberSends(std::string_view text) {
  if (!Running() || !IsWindow(room_.window)) return;
  AddLine(member_, SingleLine(platform::Utf8ToCp1252(text)));
}

void AolClient::OpenWelcome() {
  if (!Running() || IsWindow(welcome_)) return;
  welcome_ = CreateChild(mdi_, "Welcome, " + member_ + "!");
}

void AolClient::CloseWelcome() {
  if (IsWindow(welcome_)) DestroyWindow(welcome_);
  welcome_ = 0;
}

void AolClient::SetTranscriptLimit(std::size_t lines) {
  transcript_limit_ = std::max<std::size_t>(lines, 1);
  while (room_.lines.size() > transcript_limit_)
    room_.lines.pop_front();
}

void AolClient::CloseAt(double when) {
  close_task_ = loop_.ScheduleWorld(when, [this] {
    close_task_ = 0;
    ExitProcess();
  });
}

void AolClient::AddLine(std::string_view name, std::string_view text) {
  if (Lower(name) != Lower(member_) && ignored_.count(Lower(name)) != 0) return;
  std::string line(name);
  line += ":\t";
  line += text;
  room_.lines.push_back(line);
  while (room_.lines.size() > transcript_limit_)
    room_.lines.pop_front();
  room_.modified = true;
  if (on_transcript_line) on_transcript_line(platform::Cp1252ToUtf8(line));
}

void AolClient::TakeLine() {
  if (room_.draft.empty() || refuse_lines_) return;
  if (ignored_enters_ > 0) {
    --ignored_enters_;
    return;
  }
  const std::string line = room_.draft;
  room_.draft.clear();
  AddLine(member_, line);
}

std::string AolClient::TranscriptText() const {
  std::string text;
  for (const std::string& line : room_.lines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

std::vector<std::string> AolClient::TranscriptLines() const {
  std::vector<std::string> lines;
  for (const std::string& line : room_.lines)
    lines.push_back(platform::Cp1252ToUtf8(line));
  return lines;
}

std::string AolClient::InputText() const {
  return platform::Cp1252ToUtf8(room_.draft);
}

bool AolClient::Ignoring(std::string_view name) const {
  return ignored_.count(Lower(platform::Utf8ToCp1252(name))) != 0;
}

void AolClient::ShowMessageBox(std::string_view text) {
  if (!Running()) return;
  const std::string message = platform::Utf8ToCp1252(text);
  const Hwnd box = CreateWindowExA("#32770", kClientCaption, 0);
  CreateWindowExA("Static", "", box);  // the icon
  CreateWindowExA("Static", message, box);
  CreateWindowExA("Button", "OK", box);
  if (on_message_box) on_message_box(std::string(text));
}

void AolClient::CloseMessageBox(Hwnd box) {
  DestroyWindow(box);
  record_.push_back("box closed");
}

Lresult AolClient::TranscriptProc(Hwnd w, Uint m, Wparam wp, Lparam lp) {
  switch (m) {
    case WM_GETTEXTLENGTH:
      return static_cast<Lresult>(TranscriptText().size());
    case WM_GETTEXT:
      return CopyOut(TranscriptText(), lp, wp);
    case EM_GETMODIFY:
      return room_.modified ? 1 : 0;
    case EM_SETMODIFY:
      room_.modified = wp != 0;
      return 0;
    case EM_GETLINECOUNT:
      return static_cast<Lresult>(std::max<std::size_t>(room_.lines.size(), 1));
    case WM_SETTEXT:
      return 1;  // the transcript is read-only
    default:
      return DefWindowProcA(w, m, wp, lp);
  }
}

Lresult AolClient::InputProc(Hwnd w, Uint m, Wparam wp, Lparam lp) {
  switch (m) {
    case WM_SETTEXT:
      room_.draft = SingleLine(TextOf(lp));
      return 1;
    case WM_GETTEXTLENGTH:
      return static_cast<Lresult>(room_.draft.size());
    case WM_GETTEXT:
      return CopyOut(room_.draft, lp, wp);
    case WM_CHAR:
      if (wp == platform::VK_RETURN) {
        TakeLine();
      } else if (wp == 8) {
        if (!room_.draft.empty()) room_.draft.pop_back();
      } else if (wp >= 32 && wp < 256) {
        room_.draft.push_back(static_cast<char>(wp));
      }
      return 0;
    default:
      return DefWindowProcA(w, m, wp, lp);
  }
}

Lresult AolClient::PeopleProc(Hwnd w, Uint m, Wparam wp, Lparam lp) {
  const int count = static_cast<int>(room_.names.size());
  switch (m) {
    case LB_GETCOUNT:
      return count;
    case LB_GETITEMDATA:
      return static_cast<int>(wp) < count ? static_cast<Lresult>(room_.item_data[wp]) : kListError;
    case LB_SETCURSEL:
      if (static_cast<int>(wp) >= count) {
        room_.selected = -1;
        return kListError;
      }
      room_.selected = static_cast<int>(wp);
      return room_.selected;
    case LB_GETCURSEL:
      return room_.selected;
    case WM_LBUTTONDBLCLK:
      loop_.ScheduleWorld(loop_.Now() + kMemberWindowDelay_s, [this] { OpenMemberWindow(); });
      return 0;
    default:
      return DefWindowProcA(w, m, wp, lp);
  }
}

void AolClient::OpenMemberWindow() {
  if (!Running() || room_.selected < 0 || room_.selected >= static_cast<int>(room_.names.size())) {
    return;
  }
  const std::string& name = room_.names[static_cast<std::size_t>(room_.selected)];
  const Hwnd window = CreateChild(mdi_, name);
  const Hwnd check = CreateWindowExA("_AOL_Checkbox", "Ignore Member", window);
  CreateWindowExA("_AOL_Icon", "", window);
  CreateWindowExA("_AOL_Icon", "", window);
  CreateWindowExA("_AOL_Static", "Member Options", window);
  member_windows_.emplace_back(check, name);
}

Lresult AolClient::IconProc(Hwnd w, Uint m, Wparam wp, Lparam lp) {
  switch (m) {
    case WM_LBUTTONDOWN:
      pressed_.insert(w);
      return 0;
    case WM_LBUTTONUP: {
      if (pressed_.erase(w) == 0) return 0;
      int index = -1;
      for (int i = 0; i < kToolbarIcons; ++i) {
        if (ToolbarIcon(i) == w) index = i;
      }
      record_.push_back("icon " + std::to_string(index));
      if (index == 2) OpenMailMenu();
      return 0;
    }
    default:
      return DefWindowProcA(w, m, wp, lp);
  }
}

Lresult AolClient::LinkBoxProc(Hwnd w, Uint m, Wparam wp, Lparam lp) {
  switch (m) {
    case WM_SETTEXT:
      link_text_ = TextOf(lp);
      return 1;
    case WM_GETTEXTLENGTH:
      return static_cast<Lresult>(link_text_.size());
    case WM_GETTEXT:
      return CopyOut(link_text_, lp, wp);
    case WM_CHAR:
      if (wp == platform::VK_RETURN) {
        std::string link = link_text_;
        while (!link.empty() && link.back() == ' ')
          link.pop_back();
        record_.push_back("link " + platform::Cp1252ToUtf8(link));
      } else if (wp >= 32 && wp < 256) {
        link_text_.push_back(static_cast<char>(wp));
      }
      return 0;
    default:
      return DefWindowProcA(w, m, wp, lp);
  }
}

Lresult AolClient::ButtonProc(Hwnd w, Uint m, Wparam wp, Lparam lp) {
  const bool space = wp == platform::VK_SPACE;
  if ((m == WM_KEYDOWN && space) || m == WM_LBUTTONDOWN) {
    pressed_.insert(w);
    return 0;
  }
  if ((m == WM_KEYUP && space) || m == WM_LBUTTONUP) {
    if (pressed_.erase(w) == 0) return 0;
    const Hwnd box = desktop_.Parent(w);
    if (desktop_.ClassOf(box) == "#32770") CloseMessageBox(box);
    return 0;
  }
  return DefWindowProcA(w, m, wp, lp);
}

Lresult AolClient::CheckboxProc(Hwnd w, Uint m, Wparam wp, Lparam lp) {
  const auto owner = std::find_if(member_windows_.begin(), member_windows_.end(),
                                  [w](const auto& entry) { return entry.first == w; });
  const auto checked = [&] {
    return owner != member_windows_.end() && ignored_.count(Lower(owner->second)) != 0;
  };
  const auto set = [&](bool on) {
    if (owner == member_windows_.end() || on == checked()) return;
    const std::string name = owner->second;
    if (on) {
      ignored_.insert(Lower(name));
    } else {
      ignored_.erase(Lower(name));
    }
    record_.push_back((on ? "ignore " : "unignore ") + platform::Cp1252ToUtf8(name));
  };
  switch (m) {
    case BM_GETCHECK:
      return checked() ? platform::BST_CHECKED : platform::BST_UNCHECKED;
    case BM_SETCHECK:
      set(wp != 0);
      return 0;
    case WM_LBUTTONDOWN:
      pressed_.insert(w);
      return 0;
    case WM_LBUTTONUP:
      if (pressed_.erase(w) != 0) set(!checked());
      return 0;
    default:
      return DefWindowProcA(w, m, wp, lp);
  }
}

void AolClient::OpenMailMenu() {
  if (IsWindow(menu_.window)) return;
  menu_ = Menu{CreateWindowExA("#32768", "", 0), MailMenuItems(), -1};
}

void AolClient::ChooseMenuItem() {
  const int chosen = menu_.highlighted;
  DestroyWindow(menu_.window);
  const std::vector<std::string> items = menu_.items;
  menu_ = Menu{};
  if (chosen >= 0) record_.push_back("menu " + items[static_cast<std::size_t>(chosen)]);
}

Lresult AolClient::MenuProc(Hwnd w, Uint m, Wparam wp, Lparam lp) {
  if (m != WM_KEYDOWN || w != menu_.window) return DefWindowProcA(w, m, wp, lp);
  const int count = static_cast<int>(menu_.items.size());
  if (wp == platform::VK_DOWN) {
    menu_.highlighted = (menu_.highlighted + 1) % count;
  } else if (wp == kVkUp) {
    menu_.highlighted = menu_.highlighted <= 0 ? count - 1 : menu_.highlighted - 1;
  } else if (wp == platform::VK_RETURN) {
    ChooseMenuItem();
  } else if (wp == kVkEscape) {
    DestroyWindow(menu_.window);
    menu_ = Menu{};
  }
  return 0;
}

}  // namespace jelt::sim
