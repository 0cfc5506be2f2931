#include "ui/terminal_keys.h"

#include <gtest/gtest.h>

namespace jelt::ui {
namespace {

std::vector<Key> Decode(std::string_view bytes) {
  KeyDecoder decoder;
  std::vector<Key> keys;
  decoder.Feed(bytes, keys);
  decoder.Flush(keys);
  return keys;
}

struct KeysCase {
  const char* bytes;
  std::vector<Key> keys;
};

class KeyDecoderTest : public testing::TestWithParam<KeysCase> {};

TEST_P(KeyDecoderTest, DecodesTheBytes) {
  EXPECT_EQ(Decode(GetParam().bytes), GetParam().keys) << testing::PrintToString(GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyDecoderTest,
    testing::Values(
        KeysCase{"a ~", {CharKey('a'), CharKey(' '), CharKey('~')}},
        KeysCase{"\xc3\xa9\xe2\x80\xb9\xf0\x9f\x8e\xb5",
                 {CharKey(U'é'), CharKey(U'‹'), CharKey(U'🎵')}},
        KeysCase{"\r\n\t\x7f\x08",
                 {PlainKey(KeyCode::kEnter), PlainKey(KeyCode::kEnter), PlainKey(KeyCode::kTab),
                  PlainKey(KeyCode::kBackspace), PlainKey(KeyCode::kBackspace)}},
        KeysCase{"\x01\x03\x04\x1a",
                 {ControlKey('a'), ControlKey('c'), ControlKey('d'), ControlKey('z')}},
        KeysCase{"\x1b[A\x1b[B\x1b[C\x1b[D\x1bOA\x1b[1;5D",
                 {PlainKey(KeyCode::kUp), PlainKey(KeyCode::kDown), PlainKey(KeyCode::kRight),
                  PlainKey(KeyCode::kLeft), PlainKey(KeyCode::kUp), PlainKey(KeyCode::kLeft)}},
        KeysCase{"\x1b[H\x1b[F\x1b[1~\x1b[4~\x1bOH\x1b[3~\x1b[5~\x1b[6~",
                 {PlainKey(KeyCode::kHome), PlainKey(KeyCode::kEnd), PlainKey(KeyCode::kHome),
                  PlainKey(KeyCode::kEnd), PlainKey(KeyCode::kHome), PlainKey(KeyCode::kDelete),
                  PlainKey(KeyCode::kPageUp), PlainKey(KeyCode::kPageDown)}},
        KeysCase{"\x1bOP\x1b[[B\x1b[15~\x1b[17~\x1b[21~\x1b[24~",
                 {FunctionKey(1), FunctionKey(2), FunctionKey(5), FunctionKey(6), FunctionKey(10),
                  FunctionKey(12)}},
        // A lone Escape, an Escape before a key, and sequences that mean nothing here.
        KeysCase{"\x1b", {PlainKey(KeyCode::kEscape)}},
        KeysCase{"\x1bx", {PlainKey(KeyCode::kEscape), CharKey('x')}},
        KeysCase{"\x1b[200~hi\x1b[201~\x1b[99~\x00", {CharKey('h'), CharKey('i')}},
        // Broken UTF-8 and the C1 controls are dropped; what follows survives.
        KeysCase{"\xff\xc3x\x80y\xc2\x9bz", {CharKey('x'), CharKey('y'), CharKey('z')}}));

TEST(KeyDecoder, KeepsASequenceSplitBetweenReads) {
  KeyDecoder decoder;
  std::vector<Key> keys;
  decoder.Feed("a\x1b", keys);
  EXPECT_TRUE(decoder.Pending());
  decoder.Feed("[", keys);
  decoder.Feed("3", keys);
  decoder.Feed("~\xe2\x80", keys);
  EXPECT_TRUE(decoder.Pending());
  decoder.Feed("\xba", keys);
  EXPECT_FALSE(decoder.Pending());
  EXPECT_EQ(keys, (std::vector<Key>{CharKey('a'), PlainKey(KeyCode::kDelete), CharKey(U'›')}));
}

TEST(KeyDecoder, FlushTurnsAnUnfinishedSequenceIntoEscapeAndItsCharacters) {
  KeyDecoder decoder;
  std::vector<Key> keys;
  decoder.Feed("\x1b[", keys);
  EXPECT_TRUE(keys.empty());
  decoder.Flush(keys);
  EXPECT_EQ(keys, (std::vector<Key>{PlainKey(KeyCode::kEscape), CharKey('[')}));
  EXPECT_FALSE(decoder.Pending());
}

}  // namespace
}  // namespace jelt::ui
