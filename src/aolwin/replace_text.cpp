#include "aolwin/replace_text.h"

#include "platform/text.h"

namespace jelt::aolwin {

// Lower-casing keeps every character's encoded length, so positions found in the lowered
// copies are positions in the text itself.
std::string ReplaceText(std::string_view text, std::string_view find,
                        std::string_view replacement) {
  if (find.empty()) return std::string(text);
  const std::string wanted = platform::LowerCase(find);
  std::string result(text);
  std::string lowered = platform::LowerCase(result);
  std::size_t from = 0;
  for (std::size_t at = lowered.find(wanted, from); at != std::string::npos;
       at = lowered.find(wanted, from)) {
    result.replace(at, find.size(), replacement);
    lowered.replace(at, wanted.size(), platform::LowerCase(replacement));
    from = at + replacement.size();
  }
  return result;
}

}  // namespace jelt::aolwin
