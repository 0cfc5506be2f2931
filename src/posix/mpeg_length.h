// The playing length of an MPEG audio file, as the real engine will report and play it.
#pragma once

#include <string>

namespace jelt::posix {

// Seconds; 0 when the file cannot be read or is not MPEG audio. Tags in front and at the
// end are not counted, nor is a header frame that libmpg123 recognises (Xing, Info), nor
// a last frame cut short. Every frame is walked, so a file without a header, or with a
// wrong one, is measured as exactly as one with a right header.
double MpegDurationSeconds(const std::string& path);

}  // namespace jelt::posix
