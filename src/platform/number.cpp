#include "platform/number.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace jelt::platform {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsSpace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back()))
    text.remove_suffix(1);
  return text;
}

// "&H1F" or "&O17": up to 16 bits the number is a 16-bit one (so "&HFFFF" is -1), up to
// 32 bits a 32-bit one, as the toolkit reads such literals.
std::optional<double> RadixNumber(std::string_view digits, int radix) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, radix);
  if (error != std::errc() || end != digits.data() + digits.size() || value > 0xFFFFFFFFull) {
    return std::nullopt;
  }
  if (value <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(value));
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// Sign, digits, an optional point with digits, an optional exponent; at least one digit.
bool IsDecimal(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
    ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
      ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponent_digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      ++i, ++exponent_digits;
    }
    if (exponent_digits == 0) return false;
  }
  return i == text.size();
}

}  // namespace

std::optional<double> ToDouble(std::string_view text) {
  text = Trim(text);
  if (text.size() > 2 && text[0] == '&') {
    if (text[1] == 'H' || text[1] == 'h') return RadixNumber(text.substr(2), 16);
    if (text[1] == 'O' || text[1] == 'o') return RadixNumber(text.substr(2), 8);
    return std::nullopt;
  }
  if (!IsDecimal(text)) return std::nullopt;
  // from_chars takes no leading "+".
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<int> ToInteger(std::string_view text) {
  const std::optional<double> value = ToDouble(text);
  if (!value) return std::nullopt;
  const double rounded = RoundHalfEven(*value);
  if (rounded < -32768 || rounded > 32767) return std::nullopt;
  return static_cast<int>(rounded);
}

double RoundHalfEven(double value) {
  return std::nearbyint(value);
}

}  // namespace jelt::platform
