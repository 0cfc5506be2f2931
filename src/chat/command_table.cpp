// The command tables, in their order. A line that has run one row's action is still
// tested against the later rows unless the action ends the dispatch.
#include <array>

#include "chat/interpreter.h"

namespace jelt::chat {

struct CommandTables {
  using I = Interpreter;
  static constexpr Test M = Test::kMatch;
  static constexpr Test E = Test::kEqual;
  static constexpr Ends kNo = Ends::kNever;
  static constexpr Ends kSome = Ends::kSometimes;
  static constexpr Ends kYes = Ends::kAlways;
  static constexpr Ends kGone = Ends::kProgramEnds;

  // clang-format off
  static constexpr std::array<Command, 73> kCommands = {{
      // pattern     test arg  action           ends
      {"p *",        M, 3, &I::PlayOrSearch,    kSome},  // play song N, or search
      {"end",        M, 0, &I::EndProgram,      kGone},
      {"played?",    M, 0, &I::TellPlayed,      kNo},
      {"kwel",       M, 0, nullptr,             kNo},    // hide the welcome window
      {"swel",       M, 0, nullptr,             kNo},    // show the welcome window
      {"im *,*",     M, 4, nullptr,             kNo},    // instant message to a person here
      {"aim *,*",    M, 5, nullptr,             kNo},    // AIM message to a person here
      {"time?",      M, 0, &I::TellTime,        kNo},
      {"date?",      M, 0, &I::TellDate,        kNo},
      {"cmds?",      M, 0, nullptr,             kNo},    // number of commands listed
      {"ghost",      M, 0, nullptr,             kNo},
      {"xghost",     M, 0, nullptr,             kNo},
      {"dstats",     M, 0, nullptr,             kSome},  // download status
      {"aim?",       M, 0, nullptr,             kNo},    // the AIM screen name
      {"stats",      M, 0, &I::TellStats,       kNo},    // songs, directory, modes, played
      {"imsoff",     M, 0, nullptr,             kNo},
      {"boot?",      M, 0, &I::TellUptime,      kNo},
      {"imson",      M, 0, nullptr,             kNo},
      {"newm",       M, 0, nullptr,             kNo},
      {"oldm",       M, 0, nullptr,             kNo},
      {"sentm",      M, 0, nullptr,             kNo},
      {"rew *",      M, 5, &I::Rewind,          kYes},   // back N seconds
      {"idle *",     M, 6, nullptr,             kNo},
      {"xidle",      M, 0, nullptr,             kNo},
      {"adv",        M, 0, &I::Advertise,       kNo},
      {"upchat",     M, 0, nullptr,             kNo},
      {"xupchat",    M, 0, nullptr,             kNo},
      {"user *",     M, 6, &I::SetUser,         kNo},
      {"user?",      M, 0, &I::TellUser,        kNo},
      {"hide",       M, 0, nullptr,             kNo},    // hide the main window
      {"show",       M, 0, nullptr,             kNo},    // show it on top
      {"fwd *",      M, 5, &I::Forward,         kYes},   // forward N seconds
      {"cmds",       E, 0, nullptr,             kNo},    // show the command list
      {"xcmds",      E, 0, nullptr,             kNo},    // hide the command list
      {"r",          E, 0, &I::PlayRandom,      kSome},  // a random song
      {"vol *",      M, 5, &I::SetVolume,       kNo},
      {"r *",        M, 3, &I::RandomOrSearch,  kSome},  // song N, or a random hit
      {"aron",       E, 0, &I::AutoRandomOn,    kSome},
      {"aroff",      E, 0, &I::AutoRandomOff,   kNo},
      {"conton",     E, 0, &I::ContinuousOn,    kSome},
      {"hidemp3s",   E, 0, &I::HideSongs,       kNo},
      {"viewmp3s",   E, 0, &I::ViewSongs,       kNo},
      {"contoff",    E, 0, &I::ContinuousOff,   kNo},
      {"next",       E, 0, &I::PlayNext,        kSome},
      {"back",       E, 0, &I::PlayBack,        kSome},
      {"dir?",       M, 0, &I::TellDirectory,   kNo},
      {"stop",       E, 0, &I::StopSong,        kNo},
      {"pause",      E, 0, &I::PauseSong,       kSome},
      {"pos?",       E, 0, &I::TellPosition,    kSome},
      {"mp3s?",      E, 0, &I::TellSongCount,   kNo},
      {"cur?",       M, 0, &I::TellCurrent,     kSome},
      {"ref",        E, 0, &I::RefreshSongs,    kNo},
      {"unpause",    E, 0, &I::UnpauseSong,     kSome},
      {"mute",       E, 0, &I::MuteSong,        kSome},
      {"unmute",     E, 0, &I::UnmuteSong,      kSome},
      {"repon",      E, 0, &I::RepeatOn,        kSome},
      {"repoff",     E, 0, &I::RepeatOff,       kSome},
      {"pr *",       M, 4, nullptr,             kNo},    // go to a private room
      {"spr *",      M, 5, nullptr,             kNo},    // the same, quietly
      {"dir",        M, 0, &I::OpenDirectoryChooser,kNo},    // the directory chooser
      {"dir *",      M, 5, &I::SetDirectory,    kSome},  // set the directory
      {"delmp3",     M, 0, &I::DeleteSong,      kNo},
      {"x *",        M, 3, nullptr,             kNo},    // ignore a person
      {"unx *",      M, 5, nullptr,             kNo},    // stop ignoring him
      {"bust *",     M, 6, nullptr,             kNo},    // keep trying a full room
      {"len?",       M, 0, &I::TellLength,      kNo},
      {"tags?",      M, 0, &I::TellTags,        kSome},
      {"etags",      M, 0, &I::EditTags,        kSome},
      {"vtags",      M, 0, &I::ViewTags,        kNo},
      {"rtags",      M, 0, &I::RemoveTags,      kNo},
      {"ascii *",    M, 7, &I::SetAscii,        kNo},
      {"restart",    M, 0, &I::Restart,         kGone},
      {"signoff",    M, 0, nullptr,             kYes},
  }};

  // While the member picks among search results (Chat2), and after "view" (Chat3).
  static constexpr std::array<Command, 4> kPickCommands = {{
      {"p *",        M, 3, &I::PickResult,      kSome},  // pick result N
      {"cancel",     E, 0, &I::CancelPick,      kNo},
      {"view",       E, 0, &I::ViewResults,     kNo},    // show the results in a window
      {"scroll",     E, 0, &I::ScrollResults,   kSome},  // list the results in the room
  }};
  static constexpr std::array<Command, 2> kViewPickCommands = {{
      {"p *",        M, 3, &I::PickViewed,      kSome},
      {"cancel",     E, 0, &I::CancelViewedPick,kNo},
  }};
  // clang-format on
};

std::span<const Command> Interpreter::CommandTable() {
  return CommandTables::kCommands;
}
std::span<const Command> Interpreter::PickTable() {
  return CommandTables::kPickCommands;
}
std::span<const Command> Interpreter::ViewPickTable() {
  return CommandTables::kViewPickCommands;
}

}  // namespace jelt::chat
