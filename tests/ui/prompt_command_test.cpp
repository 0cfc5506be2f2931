#include "ui/prompt_command.h"

#include <gtest/gtest.h>

namespace jelt::ui {
namespace {

using Kind = PromptCommand::Kind;

struct PromptCase {
  const char* line;
  PromptCommand expected;
};

class ParsePromptLineTest : public testing::TestWithParam<PromptCase> {};

TEST_P(ParsePromptLineTest, TellsWhatTheLineAsksFor) {
  EXPECT_EQ(ParsePromptLine(GetParam().line), GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParsePromptLineTest,
    testing::Values(
        PromptCase{"ascii ~", {.kind = Kind::kSay, .text = "ascii ~"}},
        PromptCase{"  spaced  ", {.kind = Kind::kSay, .text = "  spaced  "}},
        PromptCase{"//as is said", {.kind = Kind::kSay, .text = "/as is said"}},
        PromptCase{"/as Bob: hi there", {.kind = Kind::kSayAs, .name = "Bob", .text = "hi there"}},
        PromptCase{"/as Ann Marie:  two: colons ",
                   {.kind = Kind::kSayAs, .name = "Ann Marie", .text = " two: colons "}},
        PromptCase{"/as Bob:", {.kind = Kind::kSayAs, .name = "Bob", .text = ""}},
        PromptCase{"/as Bob hi", {.kind = Kind::kSayAs, .usage = "/as NAME: TEXT"}},
        PromptCase{"/as : hi", {.kind = Kind::kSayAs, .usage = "/as NAME: TEXT"}},
        PromptCase{"/people Bob, Ann Marie ,,",
                   {.kind = Kind::kPeople, .people = {"Bob", "Ann Marie"}}},
        PromptCase{"/people", {.kind = Kind::kPeople}},
        PromptCase{"/panel player", {.kind = Kind::kPanel, .name = "player"}},
        PromptCase{"/panel ", {.kind = Kind::kPanel, .usage = "/panel NAME"}},
        PromptCase{"/help", {.kind = Kind::kHelp}}, PromptCase{"/quit", {.kind = Kind::kQuit}},
        PromptCase{"/exit", {.kind = Kind::kQuit}},
        PromptCase{"/QUIT", {.kind = Kind::kUnknown, .name = "QUIT"}},
        PromptCase{"/", {.kind = Kind::kUnknown, .name = ""}}));

}  // namespace
}  // namespace jelt::ui
