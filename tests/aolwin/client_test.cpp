#include "aolwin/client.h"

#include <gtest/gtest.h>

#include "aolwin/replace_text.h"
#include "sim/world.h"
#include "support/temp_dir.h"
#include "ui/headless_ui.h"

namespace jelt::aolwin {
namespace {

using platform::Hwnd;

class ClientTest : public ::testing::Test {
 protected:
  ClientTest() {
    world_.client.SetPeople({"Bob"});
    world_.client.on_transcript_line = [this](const std::string& line) { room_.push_back(line); };
  }

  test::TempDir home_;
  sim::World world_{sim::WorldOptions{.home = home_.Path().string(), .member = "Joe Bloggs"}};
  ui::HeadlessUi ui_;
  Client client_{world_.desktop, world_.loop, ui_};
  std::vector<std::string> room_;
};

TEST_F(ClientTest, FindsTheClientsWindows) {
  EXPECT_EQ(client_.FindMainWindow(), world_.client.MainWindow());
  EXPECT_EQ(client_.FindMdiClient(), world_.client.MdiClient());
  EXPECT_EQ(client_.FindChatRoom(), world_.client.ChatRoom());
  EXPECT_EQ(client_.ReadWindowCaption(client_.FindChatRoom()), "Lobby 12");
  EXPECT_EQ(client_.ReadControlText(client_.FindChatRoom()), "Lobby 12");
}

TEST_F(ClientTest, TheChatRoomIsTheFirstClientWindowWithAllFourControls) {
  // A window on top with three of the four classes is passed over; a second room above
  // the first one is taken.
  sim::Desktop& desktop = world_.desktop;
  const auto add_window = [&](const char* caption, std::vector<const char*> classes) {
    const Hwnd w = desktop.CreateWindow(world_.client.ProcessId(), "AOL Child", caption,
                                        world_.client.MdiClient());
    for (const char* cls : classes)
      desktop.CreateWindow(world_.client.ProcessId(), cls, "", w);
    desktop.BringWindowToTop(w);
    return w;
  };
  const Hwnd second =
      add_window("Private", {"_AOL_Static", "_AOL_Icon", "_AOL_Listbox", "RICHCNTL"});
  add_window("Almost", {"RICHCNTL", "_AOL_Listbox", "_AOL_Icon"});
  EXPECT_EQ(client_.FindChatRoom(), second);
}

TEST_F(ClientTest, TheScreenNameComesFromTheWelcomeWindow) {
  EXPECT_EQ(client_.OwnScreenName(), "Joe Bloggs");
  world_.client.CloseWelcome();
  EXPECT_EQ(client_.OwnScreenName(), "");
  // Another letter case is not the welcome window for the screen name, but a caption
  // search finds it.
  const Hwnd lower = world_.desktop.CreateWindow(world_.client.ProcessId(), "AOL Child",
                                                 "welcome, joe!", world_.client.MdiClient());
  EXPECT_EQ(client_.OwnScreenName(), "");
  const Hwnd first = client_.FindChild(client_.FindMdiClient(), "AOL Child");
  EXPECT_EQ(client_.FindChildByCaption(client_.FindMdiClient(), first, "Welcome"), lower);
  // A caption without "!" names nobody.
  world_.desktop.SetWindowText(lower, "Welcome, Joe");
  EXPECT_EQ(client_.OwnScreenName(), "");
}

TEST_F(ClientTest, ALineGoesOutWithItsPrefixAndTheDraftComesBack) {
  world_.client.MemberTypes("half a thou");
  client_.SendChatLine("<b>hi</b> ‹·›");
  EXPECT_EQ(room_, std::vector<std::string>{"Joe Bloggs:\t</s><b>hi</b> ‹·›"});
  EXPECT_EQ(world_.client.InputText(), "half a thou");
}

TEST_F(ClientTest, AnEmptyLineSendsNothingAndLeavesTheBoxAlone) {
  world_.client.MemberTypes("draft");
  client_.SendChatLine("");
  EXPECT_TRUE(room_.empty());
  EXPECT_EQ(world_.client.InputText(), "draft");
}

TEST_F(ClientTest, ASlowClientTakesTheLineAfterMorePresses) {
  world_.client.IgnoreEnterPresses(3);
  client_.SendChatLine("patience");
  EXPECT_EQ(room_, std::vector<std::string>{"Joe Bloggs:\t</s>patience"});
}

TEST_F(ClientTest, AClientThatNeverTakesTheLineIsGivenUpOnAndTheDraftRestored) {
  world_.client.RefuseLines(true);
  world_.client.MemberTypes("mine");
  const double before = world_.loop.Now();
  client_.SendChatLine("refused");
  EXPECT_TRUE(room_.empty());
  EXPECT_EQ(world_.client.InputText(), "mine");
  EXPECT_NEAR(world_.loop.Now() - before, Client::kMaxEnterPresses * Client::kEnterRetryPause_s,
              1e-6);
}

TEST_F(ClientTest, ALineSentFromInsideTheWaitKeepsBothLines) {
  world_.client.MemberTypes("draft");
  world_.loop.Post([&] { client_.SendChatLine("inner"); });
  client_.SendChatLine("outer");
  EXPECT_EQ(room_, (std::vector<std::string>{"Joe Bloggs:\t</s>inner", "Joe Bloggs:\t</s>outer"}));
  EXPECT_EQ(world_.client.InputText(), "draft");
}

TEST_F(ClientTest, NoChatRoomNoLine) {
  world_.client.Close();
  client_.SendChatLine("nobody hears");
  EXPECT_TRUE(room_.empty());
  EXPECT_EQ(client_.OwnScreenName(), "");
}

TEST_F(ClientTest, TheMailMenuEntryIsChosenAndThePointerPutBack) {
  world_.desktop.SetCursorPos(10, 20);
  EXPECT_TRUE(client_.ChooseToolbarMenuItem(4));
  world_.loop.SleepUntil(world_.loop.Now() + 0.1);
  EXPECT_EQ(world_.client.Record(), (std::vector<std::string>{"icon 2", "menu Old Mail"}));
  platform::Point point;
  world_.desktop.GetCursorPos(&point);
  EXPECT_EQ(point.x, 10);
  EXPECT_EQ(point.y, 20);
}

TEST_F(ClientTest, AMenuThatNeverComesIsGivenUpOnInTime) {
  world_.client.Close();
  const double before = world_.loop.Now();
  EXPECT_FALSE(client_.ChooseToolbarMenuItem(2));
  EXPECT_NEAR(world_.loop.Now() - before, Client::kMenuWait_s, 0.02);
}

TEST_F(ClientTest, AMessageBoxIsAnsweredWithTheSpaceBarOnItsOkButton) {
  world_.client.ShowMessageBox("The room you requested is full.");
  const Hwnd box = client_.FindTopWindow("#32770", "America Online");
  ASSERT_NE(box, 0u);
  const Hwnd first = client_.FindChild(box, "Static");
  EXPECT_EQ(client_.ReadControlText(client_.FindNextChild(box, first, "Static")),
            "The room you requested is full.");
  const Hwnd ok = world_.desktop.FindWindowExA(box, 0, "Button", "OK");
  client_.PostButtonPress(ok);
  EXPECT_NE(client_.FindTopWindow("#32770", "America Online"), 0u);  // posted: not yet
  client_.DoEvents();
  EXPECT_EQ(client_.FindTopWindow("#32770", "America Online"), 0u);
  world_.client.ShowMessageBox("again");
  client_.SendButtonPress(world_.desktop.FindWindowExA(
      client_.FindTopWindow("#32770", "America Online"), 0, "Button", "OK"));
  EXPECT_EQ(client_.FindTopWindow("#32770", "America Online"), 0u);
}

TEST_F(ClientTest, LinksAreTypedIntoTheLinkBox) {
  client_.OpenClientLink("aol://2719:2-2-Mo Town");
  EXPECT_EQ(world_.client.Record(), std::vector<std::string>{"link aol://2719:2-2-Mo Town"});
}

TEST(ReplaceTextTest, ReplacesEveryOccurrenceWithoutCaseAndNeverRescans) {
  EXPECT_EQ(ReplaceText("A b A", "a", "x"), "x b x");
  EXPECT_EQ(ReplaceText("aa", "a", "ab"), "abab");
  EXPECT_EQ(ReplaceText("Mo Town", " ", ""), "MoTown");
  EXPECT_EQ(ReplaceText("Song.MP3.mp3", ".mp3", ""), "Song");
  EXPECT_EQ(ReplaceText("ÉtÉ", "é", "e"), "ete");
  EXPECT_EQ(ReplaceText("text", "", "x"), "text");
}

}  // namespace
}  // namespace jelt::aolwin
