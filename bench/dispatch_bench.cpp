// One chat line through Chat1_ChatMsg on a started copy of the program on the simulated
// desktop: a line of another person in the room, and a line of the member that no row
// takes, so that the whole table is tried. Every line said in the room comes this way, so
// the first figure is what a busy room costs; the target is at least 100,000 lines a
// second for it.
#include <benchmark/benchmark.h>

#include <string>

#include "chat/interpreter.h"
#include "support/sim_program.h"

namespace {

constexpr const char* kOtherPerson = "Bob";
constexpr const char* kLine = "hey does anybody have the new one by that band?";

void Dispatch(benchmark::State& state, bool from_member) {
  jelt::test::SimProgram program;
  program.Start();
  jelt::chat::Interpreter& interpreter = program.Form1().interpreter;
  const std::string speaker = from_member ? program.Client().Member() : kOtherPerson;
  const std::string text = kLine;
  int rows_passed = 0;
  interpreter.on_command = [&rows_passed](const jelt::chat::Command&, std::string_view) {
    ++rows_passed;
  };
  for (auto _ : state) {
    interpreter.Chat1_ChatMsg(speaker, text);
  }
  if (rows_passed != 0) state.SkipWithError("the line passed a row of the table");
  state.SetItemsProcessed(state.iterations());
}

void OtherPersonLine(benchmark::State& state) {
  Dispatch(state, false);
}

void MemberLineOfNoRow(benchmark::State& state) {
  Dispatch(state, true);
}

BENCHMARK(OtherPersonLine);
BENCHMARK(MemberLineOfNoRow);

}  // namespace

BENCHMARK_MAIN();
