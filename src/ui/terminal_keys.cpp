#include "ui/terminal_keys.h"

#include <charconv>
#include <optional>

#include "platform/text.h"

namespace jelt::ui {

namespace {

constexpr char kEsc = '\x1b';
// A control sequence longer than this is nothing a keyboard sends; it is dropped.
constexpr std::size_t kLongestSequence = 32;

struct Decoded {
  Key key;
  std::size_t length;
};

Key TildeKey(int number) {
  switch (number) {
    case 1:
    case 7:
      return PlainKey(KeyCode::kHome);
    case 2:
      return PlainKey(KeyCode::kInsert);
    case 3:
      return PlainKey(KeyCode::kDelete);
    case 4:
    case 8:
      return PlainKey(KeyCode::kEnd);
    case 5:
      return PlainKey(KeyCode::kPageUp);
    case 6:
      return PlainKey(KeyCode::kPageDown);
    default:
      break;
  }
  // F1..F5 are 11..15, F6..F10 are 17..21, F11 and F12 are 23 and 24.
  if (number >= 11 && number <= 15) return FunctionKey(number - 10);
  if (number >= 17 && number <= 21) return FunctionKey(number - 11);
  if (number == 23 || number == 24) return FunctionKey(number - 12);
  return PlainKey(KeyCode::kUnknown);
}

// The key of a final letter after "ESC [" or "ESC O" (modifiers are ignored).
Key LetterKey(char final) {
  switch (final) {
    case 'A':
      return PlainKey(KeyCode::kUp);
    case 'B':
      return PlainKey(KeyCode::kDown);
    case 'C':
      return PlainKey(KeyCode::kRight);
    case 'D':
      return PlainKey(KeyCode::kLeft);
    case 'H':
      return PlainKey(KeyCode::kHome);
    case 'F':
      return PlainKey(KeyCode::kEnd);
    case 'M':
      return PlainKey(KeyCode::kEnter);
    case 'P':
    case 'Q':
    case 'R':
    case 'S':
      return FunctionKey(final - 'P' + 1);
    default:
      return PlainKey(KeyCode::kUnknown);
  }
}

// "ESC [ params final"; nullopt while incomplete.
std::optional<Decoded> DecodeCsi(std::string_view bytes) {
  // The Linux console's F1..F5: "ESC [ [ A" .. "ESC [ [ E".
  if (bytes.size() >= 3 && bytes[2] == '[') {
    if (bytes.size() < 4) return std::nullopt;
    const char letter = bytes[3];
    const bool function = letter >= 'A' && letter <= 'E';
    return Decoded{function ? FunctionKey(letter - 'A' + 1) : PlainKey(KeyCode::kUnknown), 4};
  }
  std::size_t at = 2;
  while (at < bytes.size() && static_cast<unsigned char>(bytes[at]) >= 0x20 &&
         static_cast<unsigned char>(bytes[at]) <= 0x3f)
    ++at;
  if (at >= bytes.size()) {
    if (bytes.size() > kLongestSequence) return Decoded{PlainKey(KeyCode::kUnknown), at};
    return std::nullopt;
  }
  const char final = bytes[at];
  const std::size_t length = at + 1;
  if (final != '~') return Decoded{LetterKey(final), length};
  int number = 0;
  const std::string_view params = bytes.substr(2, at - 2);
  std::from_chars(params.data(), params.data() + params.size(), number);
  return Decoded{TildeKey(number), length};
}

// The length of the UTF-8 character a lead byte begins (1 for a byte that begins none).
std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xc0 && lead <= 0xdf) return 2;
  if (lead >= 0xe0 && lead <= 0xef) return 3;
  if (lead >= 0xf0 && lead <= 0xf7) return 4;
  return 1;
}

std::optional<Decoded> DecodeUtf8(std::string_view bytes) {
  const std::size_t length = Utf8Length(static_cast<unsigned char>(bytes[0]));
  for (std::size_t i = 1; i < length; ++i) {
    if (i >= bytes.size()) return std::nullopt;
    // A byte that cannot continue the character ends it early; NextChar takes the lead
    // byte alone then.
    if ((static_cast<unsigned char>(bytes[i]) & 0xc0) != 0x80) break;
  }
  std::size_t at = 0;
  const char32_t c = platform::NextChar(bytes, at);
  // The C1 controls are no characters to type.
  const bool typed = c != 0xfffd && (c < 0x80 || c >= 0xa0);
  return Decoded{typed ? CharKey(c) : PlainKey(KeyCode::kUnknown), at};
}

// The key at the start of `bytes`; nullopt when the bytes end inside it.
std::optional<Decoded> DecodeOne(std::string_view bytes) {
  const auto byte = static_cast<unsigned char>(bytes[0]);
  if (byte == kEsc) {
    if (bytes.size() < 2) return std::nullopt;
    if (bytes[1] == '[') return DecodeCsi(bytes);
    if (bytes[1] == 'O') {
      if (bytes.size() < 3) return std::nullopt;
      return Decoded{LetterKey(bytes[2]), 3};
    }
    // Escape followed by another key (or Alt with a key): the Escape counts alone.
    return Decoded{PlainKey(KeyCode::kEscape), 1};
  }
  if (byte == '\r' || byte == '\n') return Decoded{PlainKey(KeyCode::kEnter), 1};
  if (byte == '\t') return Decoded{PlainKey(KeyCode::kTab), 1};
  if (byte == 0x7f || byte == 0x08) return Decoded{PlainKey(KeyCode::kBackspace), 1};
  if (byte >= 0x01 && byte <= 0x1a)
    return Decoded{ControlKey(static_cast<char>('a' + byte - 1)), 1};
  if (byte < 0x20) return Decoded{PlainKey(KeyCode::kUnknown), 1};
  if (byte < 0x80) return Decoded{CharKey(byte), 1};
  return DecodeUtf8(bytes);
}

}  // namespace

void KeyDecoder::Feed(std::string_view bytes, std::vector<Key>& keys) {
  pending_.append(bytes);
  Decode(keys);
}

void KeyDecoder::Decode(std::vector<Key>& keys) {
  std::size_t at = 0;
  while (at < pending_.size()) {
    const auto decoded = DecodeOne(std::string_view(pending_).substr(at));
    if (!decoded) break;
    if (decoded->key.code != KeyCode::kUnknown) keys.push_back(decoded->key);
    at += decoded->length;
  }
  pending_.erase(0, at);
}

void KeyDecoder::Flush(std::vector<Key>& keys) {
  while (!pending_.empty()) {
    // What waits is an Escape (perhaps with the start of a sequence after it) or the
    // start of a UTF-8 character that will not be finished.
    if (pending_[0] == kEsc) keys.push_back(PlainKey(KeyCode::kEscape));
    pending_.erase(0, 1);
    Decode(keys);
  }
}

}  // namespace jelt::ui
