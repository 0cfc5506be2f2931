// The simulated chat client: a program of window procedures that builds the window tree
// the automation navigates and reacts to messages as the real client does.
//
//   "AOL Frame25"                      main window
//     "AOL Toolbar" > "_AOL_Toolbar"   twelve "_AOL_Icon"s and "_AOL_Combobox" > "Edit"
//     "MDIClient"                      the client windows, "AOL Child":
//       the chat room, captioned with the room's name: "RICHCNTL" (transcript),
//         "RICHCNTL" (input box), "_AOL_Listbox" (people), "_AOL_Icon"s, "_AOL_Static"s
//       the welcome window "Welcome, NAME!"
//       a member window, captioned with a person's name, with an "Ignore Member" check box
//   "#32770" "America Online"          a message box: "Static" (icon), "Static" (message),
//                                      "Button" "OK"
//   "#32768"                           the popup menu of the third toolbar icon
//
// Text inside the client is Windows-1252, as the real client keeps it; the script side of
// this class speaks UTF-8.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "sim/win32_program.h"

namespace jelt::sim {

class AolClient final : public Win32Program {
 public:
  // The entries of the third toolbar icon's popup menu, top to bottom.
  static const std::vector<std::string>& MailMenuItems();

  AolClient(Desktop& desktop, platform::BasicEventLoop& loop, std::string member);
  ~AolClient() override;

  // --- The world script.

  // The room the member is in, with the people there besides him (the member comes first
  // in the people list). Opening a room closes the one the member was in.
  void OpenRoom(std::string_view name, const std::vector<std::string>& people);
  void SetPeople(const std::vector<std::string>& people);
  // A person says a line in the room; the member's own lines come through the input box.
  void Say(std::string_view name, std::string_view text);
  // The member types a draft into the input box, or types a line and sends it.
  void MemberTypes(std::string_view draft);
  void MemberSends(std::string_view text);
  void OpenWelcome();
  void CloseWelcome();
  // How many lines the transcript keeps (100 unless set).
  void SetTranscriptLimit(std::size_t lines);
  void ShowMessageBox(std::string_view text);

  // Faults: the client ignores the next k Enter presses in the input box; it never takes
  // a line; it closes (every window gone) now or at a moment of the loop's clock.
  void IgnoreEnterPresses(int presses) { ignored_enters_ = presses; }
  void RefuseLines(bool refuse) { refuse_lines_ = refuse; }
  void Close() { ExitProcess(); }
  void CloseAt(double when);

  // --- What the client shows and what it was asked to do.

  const std::string& Member() const { return member_; }
  // Each line the transcript receives, "NAME:\tTEXT" in UTF-8, as it is added.
  std::function<void(const std::string& line)> on_transcript_line;
  // A message box came up ("NAME" is its text, UTF-8).
  std::function<void(const std::string& text)> on_message_box;
  // What the client was asked to do, in order: "link TEXT", "menu ITEM", "ignore NAME",
  // "unignore NAME", "icon N", "box closed".
  const std::vector<std::string>& Record() const { return record_; }
  std::vector<std::string> TranscriptLines() const;  // UTF-8
  std::string InputText() const;                     // UTF-8
  bool Ignoring(std::string_view name) const;

  Hwnd MainWindow() const { return main_; }
  Hwnd MdiClient() const { return mdi_; }
  Hwnd ChatRoom() const { return room_.window; }
  Hwnd InputBox() const { return room_.input; }
  Hwnd Transcript() const { return room_.transcript; }
  Hwnd PeopleList() const { return room_.people; }
  Hwnd WelcomeWindow() const { return welcome_; }
  Hwnd ToolbarIcon(int index) const;

 private:
  struct Room {
    Hwnd window = 0;
    Hwnd transcript = 0;
    Hwnd input = 0;
    Hwnd people = 0;
    std::deque<std::string> lines;  // Windows-1252
    std::string draft;              // the input box's text
    bool modified = false;          // the transcript's modify flag
    std::vector<std::string> names;
    std::vector<std::uint32_t> item_data;
    int selected = -1;
  };
  struct Menu {
    Hwnd window = 0;
    std::vector<std::string> items;
    int highlighted = -1;
  };

  void RegisterClasses();
  void BuildMainWindow();
  void BuildToolbar(Hwnd main);
  Hwnd CreateChild(Hwnd mdi, std::string_view caption);
  void WritePeople();
  void AddLine(std::string_view name, std::string_view text);  // both Windows-1252
  void TakeLine();
  void OpenMailMenu();
  void ChooseMenuItem();
  void OpenMemberWindow();
  void CloseMessageBox(Hwnd box);
  std::string TranscriptText() const;

  Lresult TranscriptProc(Hwnd, Uint, Wparam, Lparam);
  Lresult InputProc(Hwnd, Uint, Wparam, Lparam);
  Lresult PeopleProc(Hwnd, Uint, Wparam, Lparam);
  Lresult IconProc(Hwnd, Uint, Wparam, Lparam);
  Lresult LinkBoxProc(Hwnd, Uint, Wparam, Lparam);
  Lresult ButtonProc(Hwnd, Uint, Wparam, Lparam);
  Lresult CheckboxProc(Hwnd, Uint, Wparam, Lparam);
  Lresult MenuProc(Hwnd, Uint, Wparam, Lparam);

  platform::BasicEventLoop& loop_;
  std::string member_;  // Windows-1252
  Hwnd main_ = 0;
  Hwnd toolbar_ = 0;
  Hwnd link_edit_ = 0;
  std::string link_text_;
  Hwnd mdi_ = 0;
  Hwnd welcome_ = 0;
  Room room_;
  Menu menu_;
  std::set<Hwnd> pressed_;         // icons and buttons with the mouse or space bar down
  std::set<std::string> ignored_;  // lower-cased names, Windows-1252
  // Member windows and the person each belongs to.
  std::vector<std::pair<Hwnd, std::string>> member_windows_;
  std::size_t transcript_limit_ = 100;
  int ignored_enters_ = 0;
  bool refuse_lines_ = false;
  std::vector<std::string> record_;
  platform::EventLoop::TaskId close_task_ = 0;
};

}  // namespace jelt::sim
