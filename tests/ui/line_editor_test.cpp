#include "ui/line_editor.h"

#include <gtest/gtest.h>

namespace jelt::ui {
namespace {

using Outcome = LineEditor::Outcome;

// Typing a text: each character is a key.
void Type(LineEditor& editor, std::string_view utf8) {
  KeyDecoder decoder;
  std::vector<Key> keys;
  decoder.Feed(utf8, keys);
  for (const Key& key : keys)
    editor.Apply(key);
}

Key K(KeyCode code) {
  return PlainKey(code);
}

struct EditCase {
  const char* typed;
  std::vector<Key> keys;
  const char* text;
  std::size_t cursor;
};

class LineEditorTest : public testing::TestWithParam<EditCase> {};

TEST_P(LineEditorTest, EditsTheLine) {
  LineEditor editor;
  Type(editor, GetParam().typed);
  for (const Key& key : GetParam().keys)
    EXPECT_EQ(editor.Apply(key).outcome, Outcome::kEditing);
  EXPECT_EQ(editor.Text(), GetParam().text);
  EXPECT_EQ(editor.Cursor(), GetParam().cursor);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineEditorTest,
    testing::Values(
        EditCase{"ascii ~", {}, "ascii ~", 7},
        EditCase{"héllo", {K(KeyCode::kBackspace), K(KeyCode::kBackspace)}, "hél", 3},
        EditCase{"‹·›", {K(KeyCode::kLeft), K(KeyCode::kBackspace)}, "‹›", 1},
        EditCase{"user Joe", {K(KeyCode::kHome), K(KeyCode::kDelete), CharKey('U')}, "User Joe", 1},
        EditCase{"ab",
                 {K(KeyCode::kLeft), K(KeyCode::kLeft), K(KeyCode::kLeft), CharKey('x')},
                 "xab",
                 1},
        EditCase{"ab", {K(KeyCode::kRight), K(KeyCode::kEnd), CharKey('c')}, "abc", 3},
        EditCase{"", {K(KeyCode::kBackspace), K(KeyCode::kDelete), K(KeyCode::kLeft)}, "", 0},
        EditCase{"one two  ", {ControlKey('w')}, "one ", 4},
        EditCase{"one two", {K(KeyCode::kLeft), K(KeyCode::kLeft), ControlKey('k')}, "one t", 5},
        EditCase{"one two", {K(KeyCode::kLeft), ControlKey('u')}, "o", 0},
        EditCase{
            "abc", {ControlKey('a'), ControlKey('d'), ControlKey('e'), ControlKey('b')}, "bc", 1}));

TEST(LineEditor, EnterHandsTheLineOverAndEmptiesTheEditor) {
  LineEditor editor;
  Type(editor, "time?");
  const LineEditor::Result result = editor.Apply(K(KeyCode::kEnter));
  EXPECT_EQ(result.outcome, Outcome::kSubmit);
  EXPECT_EQ(result.line, "time?");
  EXPECT_EQ(editor.Text(), "");
  EXPECT_EQ(editor.Cursor(), 0u);
}

TEST(LineEditor, ControlKeysEndInterruptAndCancel) {
  LineEditor editor;
  EXPECT_EQ(editor.Apply(ControlKey('d')).outcome, Outcome::kEndOfInput);
  EXPECT_EQ(editor.Apply(ControlKey('c')).outcome, Outcome::kInterrupt);
  Type(editor, "x");
  EXPECT_EQ(editor.Apply(ControlKey('d')).outcome, Outcome::kEditing);  // deletes at the cursor
  EXPECT_EQ(editor.Apply(K(KeyCode::kEscape)).outcome, Outcome::kCancel);
  EXPECT_EQ(editor.Text(), "x");
}

TEST(LineEditor, UpAndDownGoThroughEarlierLinesAndBackToTheUnsentOne) {
  LineEditor editor;
  for (const char* line : {"first", "second", "second", "third"}) {
    Type(editor, line);
    editor.Apply(K(KeyCode::kEnter));
  }
  Type(editor, "draft");
  std::vector<std::string> seen;
  for (int i = 0; i < 4; ++i) {
    editor.Apply(K(KeyCode::kUp));
    seen.push_back(editor.Text());
  }
  // The same line twice in a row is kept once; Up stops at the oldest.
  EXPECT_EQ(seen, (std::vector<std::string>{"third", "second", "first", "first"}));
  editor.Apply(K(KeyCode::kDown));
  EXPECT_EQ(editor.Text(), "second");
  editor.Apply(K(KeyCode::kDown));
  editor.Apply(K(KeyCode::kDown));
  editor.Apply(K(KeyCode::kDown));
  EXPECT_EQ(editor.Text(), "draft");
  EXPECT_EQ(editor.Cursor(), 5u);
}

TEST(LineEditor, VisibleScrollsToKeepTheCursorInSight) {
  LineEditor editor;
  Type(editor, "abcdefghij");
  EXPECT_EQ(editor.Visible(20).text, "abcdefghij");
  EXPECT_EQ(editor.Visible(20).cursor_column, 10);
  // The cursor at the end needs a column of its own.
  EXPECT_EQ(editor.Visible(10).text, "bcdefghij");
  EXPECT_EQ(editor.Visible(10).cursor_column, 9);
  editor.Apply(K(KeyCode::kHome));
  EXPECT_EQ(editor.Visible(4).text, "abcd");
  EXPECT_EQ(editor.Visible(4).cursor_column, 0);
  LineEditor wide;
  Type(wide, "日本語");
  EXPECT_EQ(wide.Visible(5).text, "本語");
  EXPECT_EQ(wide.Visible(5).cursor_column, 4);
}

}  // namespace
}  // namespace jelt::ui
