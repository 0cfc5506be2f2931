// Arbitrary bytes as what a chat room's transcript shows over time: the input is cut at
// each NUL into texts (Windows-1252, as the client keeps them), and a tiny client on the
// simulated desktop shows them one after another, setting the transcript's modify flag
// each time, while a TranscriptReader reads after each one. A text whose first byte is 1
// is shown in a new room (the member moved); a text whose first byte is 2 is no change at
// all, only another read.
//
// What must hold, besides not crashing: the first read of a room and a read with nothing
// changed give nothing; any other read gives at least one line and only lines at the end
// of what the transcript shows; and when the transcript only grew (no line dropped or
// changed), exactly the lines it grew by. With lines dropped from the top the text alone
// can be ambiguous, so nothing more is asked there. SplitLines on its own must give lines
// that, with their breaks, make up the whole text.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "aolwin/client.h"
#include "chat/transcript_reader.h"
#include "platform/basic_event_loop.h"
#include "platform/text.h"
#include "sim/desktop.h"
#include "sim/virtual_clock.h"
#include "sim/win32_program.h"
#include "ui/headless_ui.h"

namespace {

using jelt::platform::Hwnd;
using jelt::platform::Lparam;
using jelt::platform::Lresult;
using jelt::platform::Uint;
using jelt::platform::Wparam;
using Lines = std::vector<std::string>;

constexpr char kNewRoom = '\x01';
constexpr char kNoChange = '\x02';

// The least of the client that the reader looks at: the main window, the MDI client and
// one chat room, whose transcript shows whatever text it is given.
class TinyClient final : public jelt::sim::Win32Program {
 public:
  explicit TinyClient(jelt::sim::Desktop& desktop) : Win32Program(desktop, "client") {
    RegisterClassA("RICHCNTL", [this](Hwnd w, Uint m, Wparam wp, Lparam lp) -> Lresult {
      if (w == transcript_ && m == jelt::platform::EM_GETMODIFY) return modified_ ? 1 : 0;
      if (w == transcript_ && m == jelt::platform::EM_SETMODIFY) {
        modified_ = wp != 0;
        return 0;
      }
      return DefWindowProcA(w, m, wp, lp);
    });
    mdi_ = CreateWindowExA("MDIClient", "", CreateWindowExA("AOL Frame25", "America  Online", 0));
    OpenRoom();
  }
  // The windows go while the members their procedure reads are still there.
  ~TinyClient() override { ExitProcess(); }

  void OpenRoom() {
    if (room_ != 0) DestroyWindow(room_);
    room_ = CreateWindowExA("AOL Child", "Lobby", mdi_);
    transcript_ = CreateWindowExA("RICHCNTL", "", room_);
    CreateWindowExA("RICHCNTL", "", room_);  // the input box
    CreateWindowExA("_AOL_Listbox", "", room_);
    CreateWindowExA("_AOL_Icon", "", room_);
    CreateWindowExA("_AOL_Static", "", room_);
    modified_ = false;
  }

  void Show(std::string_view text) {
    SetWindowTextA(transcript_, text);
    modified_ = true;
  }

 private:
  Hwnd mdi_ = 0;
  Hwnd room_ = 0;
  Hwnd transcript_ = 0;
  bool modified_ = false;
};

void Check(bool holds) {
  if (!holds) std::abort();
}

bool IsBreak(char c) {
  return c == '\r' || c == '\n';
}

// Walks the text line by line, each followed by CR LF, CR, LF or the end.
void CheckSplit(std::string_view text) {
  const Lines lines = jelt::chat::SplitLines(text);
  std::size_t at = 0;
  for (const std::string& line : lines) {
    Check(text.substr(at, line.size()) == line);
    at += line.size();
    if (at == text.size()) break;
    Check(IsBreak(text[at]));
    at += text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
  }
  Check(at == text.size());
}

bool StartsWith(const Lines& whole, const Lines& part) {
  return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

bool EndsWith(const Lines& whole, const Lines& part) {
  return part.size() <= whole.size() &&
         std::equal(part.begin(), part.end(), whole.end() - static_cast<long>(part.size()));
}

class Run {
 public:
  Run() : clock_(jelt::platform::LocalTime{2001, 10, 23, 21, 5, 0, 0}), client_(desktop_) {
    desktop_.SetCaller(desktop_.StartProcess("jelt"));
  }

  // One text of the input: shows it as its first byte says and reads.
  void Step(std::string_view step) {
    const bool new_room = !step.empty() && step[0] == kNewRoom;
    const bool no_change = !step.empty() && step[0] == kNoChange;
    if (new_room || no_change) step.remove_prefix(1);
    if (new_room) {
      client_.OpenRoom();
      shown_.clear();
      first_read_ = true;
    }
    if (!no_change) {
      CheckSplit(step);
      client_.Show(step);
    }
    const Lines now =
        no_change ? shown_ : jelt::chat::SplitLines(jelt::platform::Cp1252ToUtf8(step));
    const Lines added = reader_.ReadNewLines();
    if (first_read_ || no_change || now.empty()) {
      Check(added.empty());
    } else {
      Check(!added.empty() && EndsWith(now, added));
      if (now.size() > shown_.size() && StartsWith(now, shown_)) {
        Check(added == Lines(now.begin() + static_cast<long>(shown_.size()), now.end()));
      }
    }
    shown_ = now;
    first_read_ = false;
  }

 private:
  jelt::sim::VirtualClock clock_;
  jelt::platform::BasicEventLoop loop_{clock_};
  jelt::sim::Desktop desktop_{loop_};
  TinyClient client_;
  jelt::ui::HeadlessUi ui_;
  jelt::aolwin::Client windows_{desktop_, loop_, ui_};
  jelt::chat::TranscriptReader reader_{windows_};
  Lines shown_;
  bool first_read_ = true;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  Run run;
  for (;;) {
    const std::size_t cut = input.find('\0');
    run.Step(input.substr(0, cut));
    if (cut == std::string_view::npos) break;
    input.remove_prefix(cut + 1);
  }
  return 0;
}
