// Case-insensitive replace-all.
#pragma once

#include <string>
#include <string_view>

namespace jelt::aolwin {

// Every occurrence of `find` in `text`, found without regard to case, replaced by
// `replacement`, left to right; the text around keeps its case and inserted text is never
// searched again. An empty `find` leaves the text as it is.
std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement);

}  // namespace jelt::aolwin
