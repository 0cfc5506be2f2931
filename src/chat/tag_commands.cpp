// The selected song's ID3 tag: told in the room, shown, edited and removed.
#include "chat/interpreter.h"

namespace jelt::chat {

namespace {

using aolwin::Concat;
constexpr std::string_view kBase = aolwin::kBasePrefix;
constexpr double kTagLinePause_s = 0.5;

}  // namespace

// Every line reads the tag anew from the file.
Flow Interpreter::TellTags(const CommandLine&) {
  id3tag::Id3Tags& tags = context_.tag_windows.Tags();
  const std::string path = context_.player.EntryPath(context_.player.List4.Text());
  if (tags.TagArtist(path).empty()) {
    context_.replies.Send(Concat({kBase, " no tags found"}));
    return Flow::kEnd;
  }
  context_.replies.Send(Concat({kBase, " song: <font color=#98ccff>", context_.player.Text1.text}));
  context_.client.WaitSeconds(kTagLinePause_s);
  using Getter = std::string (id3tag::Id3Tags::*)(const std::string&);
  const std::pair<std::string_view, Getter> rows[] = {
      {" artist: <font color=#98ccff>", &id3tag::Id3Tags::TagArtist},
      {" album: <font color=#98ccff>", &id3tag::Id3Tags::TagAlbum},
      {" year: <font color=#98ccff>", &id3tag::Id3Tags::TagYear},
      {" title: <font color=#98ccff>", &id3tag::Id3Tags::TagTitle},
      {" comment: <font color=#98ccff>", &id3tag::Id3Tags::TagComment},
  };
  for (const auto& [label, getter] : rows) {
    context_.replies.Send(Concat({kBase, label, (tags.*getter)(path)}));
    context_.client.WaitSeconds(kTagLinePause_s);
  }
  return Flow::kGoOn;
}

Flow Interpreter::EditTags(const CommandLine&) {
  context_.tag_windows.ShowForm10();
  if (context_.player.List4.ListIndex() < 0) {
    context_.replies.Send(Concat({kBase, " no mp3 to get tags from"}));
    return Flow::kEnd;
  }
  context_.replies.Send(Concat({kBase, " editing id3 tags for <font color=#98ccff>",
                                player::StripMp3(context_.player.List4.Text())}));
  return Flow::kGoOn;
}

Flow Interpreter::ViewTags(const CommandLine&) {
  context_.tag_windows.ShowForm9();
  context_.replies.Send(Concat({kBase, " viewing id3 tags for <font color=#98ccff>",
                                player::StripMp3(context_.player.List4.Text())}));
  return Flow::kGoOn;
}

// Says the tag was deleted only when it was.
Flow Interpreter::RemoveTags(const CommandLine&) {
  context_.tag_windows.ShowForm10();
  const std::string path = context_.player.EntryPath(context_.player.List4.Text());
  const bool removed = context_.tag_windows.Tags().RemoveTag(path);
  if (removed && context_.on_tag_written) context_.on_tag_written(path);
  context_.replies.Send(Concat({kBase,
                                removed ? " deleted id3 tags for <font color=#98ccff>"
                                        : " could not delete id3 tags for <font color=#98ccff>",
                                player::StripMp3(context_.player.List4.Text())}));
  return Flow::kGoOn;
}

}  // namespace jelt::chat
