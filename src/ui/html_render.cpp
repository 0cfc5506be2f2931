#include "ui/html_render.h"

#include <array>
#include <charconv>

#include "platform/text.h"

namespace jelt::ui {

namespace {

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = LowerAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "#rrggbb", "rrggbb" or the short "#rgb".
std::optional<Rgb> ParseColor(std::string_view value) {
  if (value.starts_with('#')) value.remove_prefix(1);
  if (value.size() != 6 && value.size() != 3) return std::nullopt;
  std::array<int, 6> digits{};
  for (std::size_t i = 0; i < value.size(); ++i) {
    digits[i] = HexDigit(value[i]);
    if (digits[i] < 0) return std::nullopt;
  }
  const auto channel = [&](std::size_t i) {
    return value.size() == 6 ? static_cast<std::uint8_t>(digits[2 * i] * 16 + digits[2 * i + 1])
                             : static_cast<std::uint8_t>(digits[i] * 17);
  };
  return Rgb{channel(0), channel(1), channel(2)};
}

// The value of an attribute in the inside of a tag (after its name), quoted or not.
std::optional<std::string_view> AttributeValue(std::string_view attributes,
                                               std::string_view wanted) {
  std::size_t at = 0;
  const auto skip_spaces = [&] {
    while (at < attributes.size() && IsSpace(attributes[at]))
      ++at;
  };
  while (at < attributes.size()) {
    skip_spaces();
    const std::size_t name_start = at;
    while (at < attributes.size() && attributes[at] != '=' && !IsSpace(attributes[at]))
      ++at;
    const std::string_view name = attributes.substr(name_start, at - name_start);
    skip_spaces();
    if (at >= attributes.size() || attributes[at] != '=') {
      if (at == name_start) ++at;  // a stray character; step over it
      continue;
    }
    ++at;
    skip_spaces();
    std::string_view value;
    if (at < attributes.size() && (attributes[at] == '"' || attributes[at] == '\'')) {
      const char quote = attributes[at++];
      const std::size_t end = std::min(attributes.find(quote, at), attributes.size());
      value = attributes.substr(at, end - at);
      at = end + 1;
    } else {
      const std::size_t start = at;
      while (at < attributes.size() && !IsSpace(attributes[at]))
        ++at;
      value = attributes.substr(start, at - start);
    }
    if (EqualsIgnoringCase(name, wanted)) return value;
  }
  return std::nullopt;
}

// The character an entity at the start of `text` stands for, and its length; nullopt
// when it is not one.
std::optional<std::pair<char32_t, std::size_t>> ReadEntity(std::string_view text) {
  constexpr std::size_t kLongestEntity = 10;
  const std::size_t end = text.find(';');
  if (end == std::string_view::npos || end > kLongestEntity) return std::nullopt;
  const std::string_view name = text.substr(1, end - 1);
  const std::size_t length = end + 1;
  if (name.starts_with('#')) {
    const bool hex = name.size() > 1 && LowerAscii(name[1]) == 'x';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    std::uint32_t code = 0;
    const auto [stop, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || stop != digits.data() + digits.size() ||
        code == 0 || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) {
      return std::nullopt;
    }
    return std::pair{static_cast<char32_t>(code), length};
  }
  static constexpr std::pair<std::string_view, char32_t> kNamed[] = {
      {"lt", U'<'},   {"gt", U'>'},    {"amp", U'&'},
      {"quot", U'"'}, {"apos", U'\''}, {"nbsp", U'\u00a0'},
  };
  for (const auto& [entity, c] : kNamed) {
    if (EqualsIgnoringCase(name, entity)) return std::pair{c, length};
  }
  return std::nullopt;
}

class HtmlReader {
 public:
  explicit HtmlReader(const TextStyle& base) : style_(base), base_color_(base.color) {}

  StyledText Read(std::string_view html) {
    std::size_t text_start = 0;
    std::size_t at = 0;
    while (at < html.size()) {
      const char c = html[at];
      std::size_t taken = 0;
      if (c == '<') {
        taken = TakeTag(html.substr(at), html.substr(text_start, at - text_start));
      } else if (c == '&') {
        taken = TakeEntity(html.substr(at), html.substr(text_start, at - text_start));
      }
      if (taken == 0) {
        ++at;
      } else {
        at += taken;
        text_start = at;
      }
    }
    AppendStyled(out_, html.substr(text_start), style_);
    return std::move(out_);
  }

 private:
  // Returns how much of `text` a tag takes, after the text before it was added; 0 when
  // `text` does not begin with a tag.
  std::size_t TakeTag(std::string_view text, std::string_view before) {
    const std::size_t end = text.find('>');
    if (end == std::string_view::npos) return 0;
    std::string_view inside = text.substr(1, end - 1);
    const bool closing = inside.starts_with('/');
    if (closing) inside.remove_prefix(1);
    if (inside.empty() || !IsAsciiLetter(inside[0])) return 0;
    std::size_t name_end = 0;
    while (name_end < inside.size() && !IsSpace(inside[name_end]) && inside[name_end] != '/')
      ++name_end;
    AppendStyled(out_, before, style_);
    Apply(inside.substr(0, name_end), closing, inside.substr(name_end));
    return end + 1;
  }

  std::size_t TakeEntity(std::string_view text, std::string_view before) {
    const auto entity = ReadEntity(text);
    if (!entity) return 0;
    AppendStyled(out_, before, style_);
    std::string character;
    platform::AppendUtf8(character, entity->first);
    AppendStyled(out_, character, style_);
    return entity->second;
  }

  void Apply(std::string_view name, bool closing, std::string_view attributes) {
    if (EqualsIgnoringCase(name, "font")) {
      closing ? PopFont() : PushFont(attributes);
    } else if (EqualsIgnoringCase(name, "b")) {
      style_.bold = !closing;
    } else if (EqualsIgnoringCase(name, "i")) {
      style_.italic = !closing;
    } else if (EqualsIgnoringCase(name, "u")) {
      style_.underline = !closing;
    }
  }

  void PushFont(std::string_view attributes) {
    fonts_.push_back(style_.color);
    const auto value = AttributeValue(attributes, "color");
    if (!value) return;
    if (const auto color = ParseColor(*value)) style_.color = color;
  }

  void PopFont() {
    if (fonts_.empty()) {
      style_.color = base_color_;
      return;
    }
    style_.color = fonts_.back();
    fonts_.pop_back();
  }

  StyledText out_;
  TextStyle style_;
  const std::optional<Rgb> base_color_;
  // The colour in force before each open font.
  std::vector<std::optional<Rgb>> fonts_;
};

void AppendSgr(std::string& out, const TextStyle& style) {
  out += "\x1b[0";
  if (style.bold) out += ";1";
  if (style.italic) out += ";3";
  if (style.underline) out += ";4";
  if (style.color) {
    out += ";38;2;" + std::to_string(style.color->red) + ";" + std::to_string(style.color->green) +
           ";" + std::to_string(style.color->blue);
  }
  out += 'm';
}

}  // namespace

void AppendStyled(StyledText& out, std::string_view utf8, const TextStyle& style) {
  if (utf8.empty()) return;
  if (out.empty() || !(out.back().style == style)) out.push_back({"", style});
  std::string& text = out.back().text;
  for (std::size_t at = 0; at < utf8.size();) {
    const char32_t c = platform::NextChar(utf8, at);
    if (c == U'\t' || c == U'\n' || c == U'\r') {
      text += ' ';
    } else if (c < 0x20 || (c >= 0x7f && c < 0xa0)) {
      text += '?';
    } else {
      platform::AppendUtf8(text, c);
    }
  }
}

StyledText ParseChatHtml(std::string_view html, const TextStyle& base) {
  return HtmlReader(base).Read(html);
}

std::string ToAnsi(const StyledText& text) {
  std::string out;
  const TextStyle plain;
  TextStyle current;
  for (const StyledRun& run : text) {
    if (!(run.style == current)) AppendSgr(out, run.style);
    current = run.style;
    out += run.text;
  }
  if (!(current == plain)) out += "\x1b[0m";
  return out;
}

}  // namespace jelt::ui
