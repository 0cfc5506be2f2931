#include "sim/desktop.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sim/virtual_clock.h"

namespace jelt::sim {
namespace {

using namespace platform;

class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest() { desktop_.SetCaller(caller_); }

  std::string Text(Hwnd window) {
    char buffer[64] = {};
    desktop_.SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<Lparam>(buffer));
    return buffer;
  }
  std::string Caption(Hwnd window) {
    char buffer[64] = {};
    desktop_.GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
  }

  VirtualClock clock_{LocalTime{}};
  BasicEventLoop loop_{clock_};
  Desktop desktop_{loop_};
  const Dword caller_ = desktop_.StartProcess("program");
  const Dword other_ = desktop_.StartProcess("other");
};

TEST_F(DesktopTest, ChildrenComeInCreationOrderAndTopLevelWindowsNewestFirst) {
  const Hwnd frame = desktop_.CreateWindow(other_, "Frame", "one", 0);
  const Hwnd a = desktop_.CreateWindow(other_, "Child", "a", frame);
  const Hwnd b = desktop_.CreateWindow(other_, "Other", "b", frame);
  const Hwnd c = desktop_.CreateWindow(other_, "Child", "c", frame);
  const Hwnd second = desktop_.CreateWindow(other_, "Frame", "two", 0);

  EXPECT_EQ(desktop_.FindWindowA("Frame", nullptr), second);
  EXPECT_EQ(desktop_.FindWindowA("FRAME", "ONE"), frame);  // both compared without case
  EXPECT_EQ(desktop_.FindWindowExA(frame, 0, "child", nullptr), a);
  EXPECT_EQ(desktop_.FindWindowExA(frame, a, "Child", nullptr), c);
  EXPECT_EQ(desktop_.FindWindowExA(frame, c, "Child", nullptr), 0u);
  EXPECT_EQ(desktop_.FindWindowExA(frame, second, "Child", nullptr), 0u);  // not a child
  EXPECT_EQ(desktop_.GetWindow(frame, GW_CHILD), a);
  EXPECT_EQ(desktop_.GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(desktop_.GetWindow(c, GW_HWNDNEXT), 0u);

  desktop_.BringWindowToTop(c);
  EXPECT_EQ(desktop_.FindWindowExA(frame, 0, "Child", nullptr), c);
}

TEST_F(DesktopTest, AnotherProgramsControlShowsItsInternalCaptionNotItsText) {
  std::string text = "what the box holds";
  desktop_.RegisterClass(other_, "Edit", [&](Hwnd w, Uint m, Wparam wp, Lparam lp) -> Lresult {
    if (m == WM_GETTEXT) {
      const std::size_t n = std::min<std::size_t>(text.size(), wp - 1);
      std::memcpy(reinterpret_cast<char*>(lp), text.data(), n);
      reinterpret_cast<char*>(lp)[n] = '\0';
      return static_cast<Lresult>(n);
    }
    return desktop_.DefWindowProc(w, m, wp, lp);
  });
  const Hwnd edit = desktop_.CreateWindow(other_, "Edit", "caption at creation", 0);
  EXPECT_EQ(Text(edit), "what the box holds");
  EXPECT_EQ(Caption(edit), "caption at creation");
  EXPECT_EQ(desktop_.GetWindowTextLengthA(edit), 19);

  char small[5] = {};
  EXPECT_EQ(desktop_.GetWindowTextA(edit, small, sizeof small), 4);
  EXPECT_STREQ(small, "capt");
}

TEST_F(DesktopTest, PostedMessagesWaitUntilTheOwnerPumps) {
  std::vector<Uint> handled;
  desktop_.RegisterClass(other_, "Box", [&](Hwnd w, Uint m, Wparam wp, Lparam lp) {
    handled.push_back(m);
    return desktop_.DefWindowProc(w, m, wp, lp);
  });
  const Hwnd box = desktop_.CreateWindow(other_, "Box", "", 0);
  desktop_.PostMessageA(box, WM_KEYDOWN, VK_SPACE, 0);
  desktop_.SendMessageA(box, WM_CHAR, 'x', 0);
  EXPECT_EQ(handled, std::vector<Uint>{WM_CHAR});
  loop_.DoEvents();
  EXPECT_EQ(handled, (std::vector<Uint>{WM_CHAR, WM_KEYDOWN}));
}

TEST_F(DesktopTest, VisibilityFollowsTheParents) {
  const Hwnd frame = desktop_.CreateWindow(other_, "Frame", "", 0);
  const Hwnd child = desktop_.CreateWindow(other_, "Child", "", frame);
  EXPECT_TRUE(desktop_.IsWindowVisible(child));
  EXPECT_TRUE(desktop_.ShowWindow(frame, SW_HIDE));
  EXPECT_FALSE(desktop_.IsWindowVisible(child));
  EXPECT_FALSE(desktop_.ShowWindow(frame, SW_SHOW));
  EXPECT_TRUE(desktop_.IsWindowVisible(child));
}

TEST_F(DesktopTest, MemoryIsReadThroughAProcessHandleThatTheCallerMustClose) {
  const std::uint32_t address = desktop_.Allocate(other_, 8);
  desktop_.WriteMemory(other_, address, "abcdefgh", 8);
  const Handle process =
      desktop_.OpenProcess(PROCESS_VM_READ | STANDARD_RIGHTS_REQUIRED, true, other_);
  ASSERT_NE(process, 0u);
  EXPECT_EQ(desktop_.OpenHandleCount(caller_), 1u);

  char buffer[4] = {};
  std::size_t read = 0;
  EXPECT_TRUE(desktop_.ReadProcessMemory(process, address + 2, buffer, 4, &read));
  EXPECT_EQ(std::string(buffer, 4), "cdef");
  EXPECT_EQ(read, 4u);
  EXPECT_FALSE(desktop_.ReadProcessMemory(process, address + 6, buffer, 4, &read));
  EXPECT_FALSE(desktop_.ReadProcessMemory(process, 0x10, buffer, 4, &read));
  desktop_.FailMemoryReads(other_, true);
  EXPECT_FALSE(desktop_.ReadProcessMemory(process, address, buffer, 4, &read));

  EXPECT_TRUE(desktop_.CloseHandle(process));
  EXPECT_FALSE(desktop_.CloseHandle(process));
  EXPECT_EQ(desktop_.OpenHandleCount(caller_), 0u);
  const Handle no_read = desktop_.OpenProcess(STANDARD_RIGHTS_REQUIRED, false, other_);
  EXPECT_FALSE(desktop_.ReadProcessMemory(no_read, address, buffer, 4, &read));
}

TEST_F(DesktopTest, EndingAProgramTakesAllItsWindows) {
  const Hwnd frame = desktop_.CreateWindow(other_, "Frame", "", 0);
  const Hwnd child = desktop_.CreateWindow(other_, "Child", "", frame);
  const Hwnd mine = desktop_.CreateWindow(caller_, "Frame", "", 0);
  desktop_.EndProcess(other_);
  EXPECT_FALSE(desktop_.IsWindow(frame));
  EXPECT_FALSE(desktop_.IsWindow(child));
  EXPECT_TRUE(desktop_.IsWindow(mine));
  EXPECT_EQ(desktop_.FindWindowA("Frame", nullptr), mine);
}

TEST_F(DesktopTest, ThePointerStaysOnTheScreen) {
  desktop_.SetCursorPos(100000, -5);
  Point point;
  desktop_.GetCursorPos(&point);
  EXPECT_EQ(point.x, Desktop::kScreenWidth - 1);
  EXPECT_EQ(point.y, 0);
}

}  // namespace
}  // namespace jelt::sim
