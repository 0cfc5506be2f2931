// How many terminal columns text takes: East Asian wide characters and emoji take two,
// combining marks and zero-width characters none, everything else one. The table is the
// program's own rather than the C library's, whose answer depends on the locale and is
// useless in the C locale that many sessions run in.
#pragma once

#include <string_view>

namespace jelt::ui {

int CharWidth(char32_t c);
int DisplayWidth(std::string_view utf8);

}  // namespace jelt::ui
