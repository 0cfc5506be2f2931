#include "ui/session.h"

#include <gtest/gtest.h>

#include "support/sim_program.h"

namespace jelt::ui {
namespace {

// A key can come while the program waits inside a step of its own; the program's end in
// the key's step must unwind that step too before the copy goes.
TEST(SessionTest, AnEndInsideANestedStepUnwindsToTheOutermostOne) {
  test::SimProgram program;
  program.Start();
  program.Wait(1);
  bool inner_went_on = false;
  bool outer_went_on = false;
  program.Session().Run([&] {
    program.Session().Run([&] {
      program.World().process.End();
      inner_went_on = true;
    });
    outer_went_on = true;
  });
  EXPECT_FALSE(inner_went_on);
  EXPECT_FALSE(outer_went_on);
  EXPECT_FALSE(program.Session().ProgramRunning());
  EXPECT_EQ(program.TakeOutput().back(), "[exit]");
  // The next step is an outermost one again.
  program.Session().StartProgram();
  program.Session().Run([&] { program.World().process.End(); });
  EXPECT_FALSE(program.Session().ProgramRunning());
}

}  // namespace
}  // namespace jelt::ui
