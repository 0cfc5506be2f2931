// Text to numbers as the toolkit's conversions do them: white space around the number is
// allowed, then an optional sign and digits with an optional decimal point and exponent,
// or a "&H" (hexadecimal) or "&O" (octal) number. The whole text must be the number:
// "", "10abc" and "loud" do not convert.
#pragma once

#include <optional>
#include <string_view>

namespace jelt::platform {

// To a decimal number.
std::optional<double> ToDouble(std::string_view text);
// To a whole number: rounded to the nearest, halves to the even one ("50.5" gives 50,
// "51.5" gives 52), and only within -32768 .. 32767.
std::optional<int> ToInteger(std::string_view text);

// Rounds halves to the even neighbour, as the toolkit's conversions do.
double RoundHalfEven(double value);

}  // namespace jelt::platform
