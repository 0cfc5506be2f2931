// The settings file's format, worked on the file's bytes in memory. The bytes are narrow
// (Windows-1252) text, taken exactly as stored.
//
// Reading:
// - Lines end with CR LF, LF or CR. Each line is trimmed of spaces and tabs at both ends.
// - "[name]" heads a section; its name runs to the last "]" on the line and is trimmed. A line
//   that begins with "[" but has no "]" is ignored.
// - A line that begins with ";" is a comment. Elsewhere ";" is an ordinary character.
// - Any other line holding "=" is a key: the name is what comes before the first "=", the
//   value what follows it, both trimmed. A line without "=" belongs to no key.
// - Lines before the first section heading belong to no section.
// - Section and key names match without regard to case (A-Z and the Latin-1 letters), after
//   trimming the names asked for. Only the first section of a name is searched, and the first
//   of two equal keys in it wins.
// - A value that begins and ends with the same quote character (' or ") and is longer than
//   one character comes back without both quotes.
//
// Writing changes as little as it can: an existing key keeps its own spelling and only its
// value changes, in place; a new key goes after the last key line of its section (so before
// any blank lines and comments that close the section), or straight under the heading when
// the section has none; a new section goes at the end of the file, after a blank line. Every
// line written ends with CR LF; all other lines keep their bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace jelt::platform {

// The value of the key as a reader sees it, or nothing when the section or key is not there.
std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key);

// The text with the key set to the value, section and key created as needed. The value loses
// its leading spaces and tabs, and each line break in it (CR LF, LF or CR) becomes one space:
// a value is one line, and a break kept as it is would end the value and start a line of its
// own. Nothing comes back for names that could not be read back as written: an empty key, a
// key with "=" or beginning with "[" or ";", or a name holding a line break.
std::optional<std::string> SetIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value);

}  // namespace jelt::platform
