// The pattern rules of the command table and of the people-list search, those of the
// toolkit's Like operator with binary comparison:
//
//   *        any run of zero or more characters
//   ?        exactly one character
//   #        one digit, 0-9
//   [list]   one character of the list; ranges such as a-z; "!" first negates the list;
//            "-" first or last stands for itself; [] stands for nothing at all
//   other    only itself, compared by character code (so case matters)
//
// The whole text must match the whole pattern. A malformed pattern (an unclosed "[" or a
// descending range) matches nothing.
#pragma once

#include <string_view>

namespace jelt::platform {

bool Like(std::string_view text, std::string_view pattern);

}  // namespace jelt::platform
