#include "platform/text.h"

#include <array>

namespace jelt::platform {

namespace {

// The characters of Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves
// undefined map to the control characters of the same value, as Windows maps them.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

int Cp1252ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return static_cast<int>(0x80 + i);
  }
  return -1;
}

char32_t LowerChar(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x160:
      return 0x161;  // Š
    case 0x152:
      return 0x153;  // Œ
    case 0x17D:
      return 0x17E;  // Ž
    case 0x178:
      return 0xFF;  // Ÿ
    default:
      return c;
  }
}

char32_t UpperChar(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  switch (c) {
    case 0x161:
      return 0x160;
    case 0x153:
      return 0x152;
    case 0x17E:
      return 0x17D;
    case 0xFF:
      return 0x178;
    default:
      return c;
  }
}

// The text is copied whole and changed where a character maps to another: most names and
// lines are plain ASCII, and the case mappings keep a character's length in bytes.
template <typename Map>
std::string MapChars(std::string_view utf8, Map map) {
  std::string out(utf8);
  for (std::size_t at = 0; at < out.size();) {
    const unsigned char byte = static_cast<unsigned char>(out[at]);
    if (byte < 0x80) {
      out[at] = static_cast<char>(map(byte));
      ++at;
      continue;
    }
    const std::size_t start = at;
    const char32_t c = NextChar(out, at);
    const char32_t mapped = map(c);
    if (mapped != c) {
      std::string encoded;
      AppendUtf8(encoded, mapped);
      out.replace(start, at - start, encoded);
      at = start + encoded.size();
    }
  }
  return out;
}

}  // namespace

char32_t NextChar(std::string_view s, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  int length = 0;
  char32_t c = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07;
  }
  if (length == 0 || at + length > s.size()) {
    ++at;
    return 0xFFFD;
  }
  for (int i = 1; i < length; ++i) {
    const unsigned char next = byte(at + i);
    if ((next & 0xC0) != 0x80) {
      ++at;
      return 0xFFFD;
    }
    c = (c << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are malformed.
  const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
  if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
    ++at;
    return 0xFFFD;
  }
  at += length;
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const int byte = Cp1252ByteOf(NextChar(utf8, at));
    out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
  }
  return out;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + cp1252.size() / 8);
  for (const char ch : cp1252) {
    const unsigned char byte = static_cast<unsigned char>(ch);
    if (byte < 0x80) {
      out.push_back(ch);
    } else if (byte < 0xA0) {
      AppendUtf8(out, kHighControls[byte - 0x80]);
    } else {
      AppendUtf8(out, byte);
    }
  }
  return out;
}

std::string LowerCase(std::string_view utf8) {
  return MapChars(utf8, [](char32_t c) -> char32_t {
    if (c < 0x80) return c >= U'A' && c <= U'Z' ? c + 32 : c;
    return LowerChar(c);
  });
}
std::string UpperCase(std::string_view utf8) {
  return MapChars(utf8, [](char32_t c) -> char32_t {
    if (c < 0x80) return c >= U'a' && c <= U'z' ? c - 32 : c;
    return UpperChar(c);
  });
}

int IndexOfName(const std::vector<std::string>& items, std::string_view name) {
  const std::string wanted = LowerCase(name);
  for (std::size_t i = 0; i < items.size(); ++i) {
    // Lower-casing keeps a text's length in bytes, so only items of the same length can
    // be equal.
    if (items[i].size() == wanted.size() && LowerCase(items[i]) == wanted) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::size_t CharCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < utf8.size(); ++count)
    NextChar(utf8, at);
  return count;
}

std::size_t ByteOffsetOfChar(std::string_view utf8, std::size_t char_index) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < char_index && at < utf8.size(); ++i)
    NextChar(utf8, at);
  return at;
}

std::string_view MidFrom(std::string_view utf8, std::size_t position) {
  if (position == 0) position = 1;
  return utf8.substr(ByteOffsetOfChar(utf8, position - 1));
}

}  // namespace jelt::platform
