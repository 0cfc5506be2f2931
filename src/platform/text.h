// Text as the program handles it: UTF-8 inside, Windows-1252 wherever it crosses into
// another program, a settings file or a tag. Positions and lengths count characters (code
// points), as the system's string functions do.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jelt::platform {

// Characters that Windows-1252 cannot hold become "?".
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

// Lower-cases A-Z and the letters of Latin-1 (and the four further capitals of
// Windows-1252: Š, Œ, Ž, Ÿ); everything else is kept.
std::string LowerCase(std::string_view utf8);
// The opposite of LowerCase, for the same letters.
std::string UpperCase(std::string_view utf8);

// The index of the first item equal to the name, letter case ignored; -1 when none.
int IndexOfName(const std::vector<std::string>& items, std::string_view name);

// The number of characters.
std::size_t CharCount(std::string_view utf8);
// The characters from a 1-based position to the end; "" when the text is shorter.
std::string_view MidFrom(std::string_view utf8, std::size_t position);
// Byte offset of the character at a 0-based character index (the end when beyond it).
std::size_t ByteOffsetOfChar(std::string_view utf8, std::size_t char_index);

// Decodes the character at byte offset `at`, advancing `at` past it. Malformed bytes are
// taken one at a time, each as its own character (U+FFFD).
char32_t NextChar(std::string_view utf8, std::size_t& at);
void AppendUtf8(std::string& out, char32_t c);

}  // namespace jelt::platform
