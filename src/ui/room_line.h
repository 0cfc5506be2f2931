// A line of the room's transcript as the terminal shows it: the speaker's name, bold in a
// colour of its own (the member's always the same one), then what he said with its HTML
// styles. Notices of jelt itself are set apart in their own style.
#pragma once

#include <string_view>

#include "ui/html_render.h"

namespace jelt::ui {

inline constexpr Rgb kMemberNameColor{0xff, 0xd7, 0x5f};
inline constexpr TextStyle kNoticeStyle{Rgb{0x9e, 0x9e, 0x9e}, false, true, false};

// `line` is "NAME:\tTEXT" in UTF-8; a line without ":\t" has no speaker and is all text.
StyledText StyleRoomLine(std::string_view line, std::string_view member);

// A line of jelt's own, such as a message box of the client or the help.
StyledText StyleNotice(std::string_view text);

}  // namespace jelt::ui
