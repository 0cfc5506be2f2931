// The command table as the room sees it: lines go to a started copy of the program on the
// simulated desktop, and the interpreter's trace tells which rows each line passed, with
// their arguments, in the order they were tried.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "chat/interpreter.h"
#include "support/sim_program.h"

namespace jelt::chat {
namespace {

struct Hit {
  int row;  // 1-based, in table order
  std::string arg;

  bool operator==(const Hit&) const = default;
};

void PrintTo(const Hit& hit, std::ostream* out) {
  const auto table = Interpreter::CommandTable();
  const bool in_table = hit.row >= 1 && static_cast<std::size_t>(hit.row) <= table.size();
  *out << "row " << hit.row << " (\"" << (in_table ? table[hit.row - 1].pattern : "?")
       << "\") arg \"" << hit.arg << "\"";
}

int RowOf(const Command& command) {
  const auto table = Interpreter::CommandTable();
  const Command* row = &command;
  return row >= table.data() && row < table.data() + table.size()
             ? static_cast<int>(row - table.data()) + 1
             : 0;
}

// A started copy of the program whose lines are handed to Chat1_ChatMsg directly.
class Room {
 public:
  Room() { program_.Start(); }

  const std::string& Member() const { return member_; }
  test::SimProgram& Program() { return program_; }

  // Dispatches one line and returns the rows it passed. A line that ends the program is
  // handled as the session handles it, so "end" and "restart" can be said here too.
  std::vector<Hit> Say(const std::string& screen_name, const std::string& text) {
    std::vector<Hit> hits;
    Interpreter& interpreter = program_.Form1().interpreter;
    interpreter.on_command = [&hits](const Command& command, std::string_view arg) {
      hits.push_back({RowOf(command), std::string(arg)});
    };
    program_.Session().Run([&] { interpreter.Chat1_ChatMsg(screen_name, text); });
    if (program_.Session().ProgramRunning()) program_.Form1().interpreter.on_command = nullptr;
    return hits;
  }
  std::vector<Hit> MemberSays(const std::string& text) { return Say(member_, text); }

 private:
  test::SimProgram program_;
  std::string member_ = program_.Client().Member();
};

struct LineCase {
  std::string text;
  std::vector<Hit> hits;
};

// Each line goes to a copy of its own, so that what one row's action does (hide the
// welcome window, sign off, end the program) cannot change what a later line meets.
void ExpectHits(const std::vector<LineCase>& cases) {
  for (const LineCase& c : cases) {
    Room room;
    EXPECT_EQ(room.MemberSays(c.text), c.hits) << "line \"" << c.text << "\"";
  }
}

// One line for each row, as the member would type it.
const std::vector<LineCase>& RowLines() {
  static const std::vector<LineCase> lines = {
      {"p 3", {{1, "3"}}},
      {"end", {{2, ""}}},
      {"played?", {{3, ""}}},
      {"kwel", {{4, ""}}},
      {"swel", {{5, ""}}},
      {"im joe,hi", {{6, "joe,hi"}}},
      {"aim joe,hi", {{7, "joe,hi"}}},
      {"time?", {{8, ""}}},
      {"dates", {{9, ""}}},
      {"cmds?", {{10, ""}}},
      {"ghost", {{11, ""}}},
      {"xghost", {{12, ""}}},
      {"dstats", {{13, ""}}},
      {"aim?", {{14, ""}}},
      {"stats", {{15, ""}}},
      {"imsoff", {{16, ""}}},
      {"boot?", {{17, ""}}},
      {"imson", {{18, ""}}},
      {"newm", {{19, ""}}},
      {"oldm", {{20, ""}}},
      {"sentm", {{21, ""}}},
      {"rew 10", {{22, "10"}}},
      {"idle brb", {{23, "brb"}}},
      {"xidle", {{24, ""}}},
      {"adv", {{25, ""}}},
      {"upchat", {{26, ""}}},
      {"xupchat", {{27, ""}}},
      {"user Joe", {{28, "Joe"}}},
      {"user?", {{29, ""}}},
      {"hide", {{30, ""}}},
      {"show", {{31, ""}}},
      {"fwd 5", {{32, "5"}}},
      {"cmds", {{33, ""}}},
      {"xcmds", {{34, ""}}},
      {"r", {{35, ""}}},
      {"vol 50", {{36, "50"}}},
      {"r 2", {{37, "2"}}},
      {"aron", {{38, ""}}},
      {"aroff", {{39, ""}}},
      {"conton", {{40, ""}}},
      {"hidemp3s", {{41, ""}}},
      {"viewmp3s", {{42, ""}}},
      {"contoff", {{43, ""}}},
      {"next", {{44, ""}}},
      {"back", {{45, ""}}},
      {"dir?", {{46, ""}}},
      {"stop", {{47, ""}}},
      {"pause", {{48, ""}}},
      {"pos?", {{49, ""}}},
      {"mp3s?", {{50, ""}}},
      {"cur!", {{51, ""}}},
      {"ref", {{52, ""}}},
      {"unpause", {{53, ""}}},
      {"mute", {{54, ""}}},
      {"unmute", {{55, ""}}},
      {"repon", {{56, ""}}},
      {"repoff", {{57, ""}}},
      {"pr 123", {{58, "123"}}},
      {"spr room", {{59, "room"}}},
      {"dir", {{60, ""}}},
      {"dir /music", {{61, "/music"}}},
      {"delmp3", {{62, ""}}},
      {"x Bob", {{63, "Bob"}}},
      {"unx Bob", {{64, "Bob"}}},
      {"bust room", {{65, "room"}}},
      {"len?", {{66, ""}}},
      {"tags?", {{67, ""}}},
      {"etags", {{68, ""}}},
      {"vtags", {{69, ""}}},
      {"rtags", {{70, ""}}},
      {"ascii ~", {{71, "~"}}},
      {"restart", {{72, ""}}},
      {"signoff", {{73, ""}}},
  };
  return lines;
}

TEST(CommandTable, EachRowTakesItsLine) {
  ExpectHits(RowLines());
}

// A line one step away from each row's: a character short or over, a space missing or
// added. Where the step lands on another row, that row is the one expected.
TEST(CommandTable, NearMissesTakeNoRowOrAnother) {
  ExpectHits({
      {"p", {}},
      {"ends", {}},
      {"played", {}},
      {"kwell", {}},
      {"swe", {}},
      {"im joe", {}},
      {"aim joe", {}},
      {"time", {}},
      {"date", {}},
      {"cmds", {{33, ""}}},
      {"ghosts", {}},
      {"x ghost", {{63, "ghost"}}},
      {"dstat", {}},
      {"aim", {}},
      {"stat", {}},
      {"ims off", {}},
      {"boot", {}},
      {"imso", {}},
      {"new", {}},
      {"oldmail", {}},
      {"sent", {}},
      {"rew", {}},
      {"idle", {}},
      {"x idle", {{63, "idle"}}},
      {"advs", {}},
      {"up chat", {}},
      {"xupchats", {}},
      {"user", {}},
      {"user?x", {}},
      {"hid", {}},
      {"shows", {}},
      {"fwd5", {}},
      {"cmdsx", {{10, ""}}},
      {"xcmd", {}},
      {"rx", {}},
      {"vol", {}},
      {"r2", {}},
      {"aron?", {}},
      {"aroffs", {}},
      {"cont on", {}},
      {"hidemp3", {}},
      {"viewmp3s?", {}},
      {"contof", {}},
      {"next?", {}},
      {"backs", {}},
      {"dir", {{60, ""}}},
      {"stops", {}},
      {"pause?", {}},
      {"pos!", {}},
      {"mp3ss", {}},
      {"cur", {}},
      {"refs", {}},
      {"un pause", {}},
      {"mutes", {}},
      {"unmute!", {}},
      {"rep on", {}},
      {"repof", {}},
      {"pr", {}},
      {"spr", {}},
      {"dirs", {{46, ""}}},
      {"dir/music", {}},
      {"delmp3s", {}},
      {"x", {}},
      {"unx", {}},
      {"bust", {}},
      {"len", {}},
      {"tags", {}},
      {"e tags", {}},
      {"vtag", {}},
      {"rtags?", {}},
      {"ascii", {}},
      {"restar", {}},
      {"sign off", {}},
  });
}

TEST(CommandTable, TestsTheLoweredTextAndTakesArgumentsAsTyped) {
  ExpectHits({
      {"P 3", {{1, "3"}}},
      {"Next", {{44, ""}}},
      {"TIME?", {{8, ""}}},
      {"POS?", {{49, ""}}},
      {"user JoeBloggs", {{28, "JoeBloggs"}}},
      {"X BoB", {{63, "BoB"}}},
      {"im Joe,Hi There", {{6, "Joe,Hi There"}}},
      // Everything after the command word and its one space, further spaces included.
      {"p  abc", {{1, " abc"}}},
      {"ascii ‹·› Joe ", {{71, "‹·› Joe "}}},
      {"p ", {{1, ""}}},
  });
}

TEST(CommandTable, WildcardsActOnlyInMatchRows) {
  ExpectHits({
      {"times", {{8, ""}}},
      {"time!", {{8, ""}}},
      {"pos!", {}},  // "pos?" is an Equal row
      {"cmds?", {{10, ""}}},
      {"cmdsx", {{10, ""}}},
      {"cmds", {{33, ""}}},
      {"mp3s!", {}},
  });
}

TEST(CommandTable, LineOfNoRowRunsNothingAndIsNotAnswered) {
  for (const char* text : {"p", "rx", "x", "", "hello everyone", "next song please"}) {
    Room room;
    room.Program().TakeOutput();
    EXPECT_TRUE(room.MemberSays(text).empty()) << "line \"" << text << "\"";
    EXPECT_TRUE(room.Program().TakeOutput().empty()) << "line \"" << text << "\"";
  }
}

// Two pairs of rows take the same line, and the trace then shows both in table order.
TEST(CommandTable, OverlappingRowsRunInTableOrder) {
  ExpectHits({
      {"user ", {{28, ""}, {29, ""}}},
      {"dir ", {{46, ""}, {61, ""}}},
  });
}

// The handle is set to empty by the first row and told by the second, so the dispatch went
// on after an action that does not end it.
TEST(CommandTable, UserWithOneSpaceSetsTheHandleEmptyAndThenTellsIt) {
  Room room;
  room.Program().TakeOutput();
  room.MemberSays("user ");
  const std::vector<std::string> said = room.Program().TakeOutput();
  ASSERT_EQ(said.size(), 2u);
  EXPECT_TRUE(said[0].ends_with("user is now <font color=#98ccff>"));
  EXPECT_TRUE(said[1].ends_with("user is <font color=#98ccff>"));
}

TEST(CommandTable, LinesOfOtherPeopleRunNothing) {
  Room room;
  for (const LineCase& line : RowLines()) {
    EXPECT_TRUE(room.Say("Bob", line.text).empty()) << "line \"" << line.text << "\"";
    ASSERT_TRUE(room.Program().Session().ProgramRunning()) << "line \"" << line.text << "\"";
  }
}

TEST(CommandTable, OwnerGateComparesTheNameExactly) {
  Room room;
  const std::string& member = room.Member();
  for (const std::string& name : {std::string("joebloggs"), std::string("JOEBLOGGS"), member + " ",
                                  " " + member, std::string("")}) {
    EXPECT_TRUE(room.Say(name, "time?").empty()) << "name \"" << name << "\"";
  }
  EXPECT_EQ(room.Say(member, "time?"), (std::vector<Hit>{{8, ""}}));
}

TEST(CommandTable, NothingIsObeyedWhileTheWelcomeWindowIsClosed) {
  Room room;
  room.Program().Client().CloseWelcome();
  for (const char* text : {"time?", "next", "p 3", "end"}) {
    EXPECT_TRUE(room.MemberSays(text).empty()) << "line \"" << text << "\"";
  }
  room.Program().Client().OpenWelcome();
  EXPECT_EQ(room.MemberSays("time?"), (std::vector<Hit>{{8, ""}}));
}

TEST(CommandTable, EndStopsTheProgramAndRestartStartsANewCopy) {
  Room ended;
  EXPECT_EQ(ended.MemberSays("end"), (std::vector<Hit>{{2, ""}}));
  EXPECT_FALSE(ended.Program().Session().ProgramRunning());
  EXPECT_EQ(ended.Program().Output().back(), "[exit]");

  Room restarted;
  EXPECT_EQ(restarted.MemberSays("restart"), (std::vector<Hit>{{72, ""}}));
  EXPECT_TRUE(restarted.Program().Session().ProgramRunning());
  EXPECT_NE(std::find(restarted.Program().Output().begin(), restarted.Program().Output().end(),
                      "[restart]"),
            restarted.Program().Output().end());
  EXPECT_EQ(restarted.MemberSays("time?"), (std::vector<Hit>{{8, ""}}));
}

}  // namespace
}  // namespace jelt::chat
