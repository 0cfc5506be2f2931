// The tag viewer (Form9) and the tag editor (Form10): two small windows that show and
// change the ID3v1 tag of the song selected in the play list. Each is loaded when it is
// first shown (its load step runs then) and unloaded when it is closed, so the next showing
// loads it afresh.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "aolwin/client.h"
#include "aolwin/reply_style.h"
#include "id3tag/id3_tags.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui_host.h"

namespace jelt::id3tag {

// The selected song: its full path (the music directory and the play list's selected
// entry, built afresh for every use) and its name without ".mp3".
struct SelectedSong {
  std::function<std::string()> path;
  std::function<std::string()> name;
};

struct TagWindowsContext {
  Id3Tags& tags;
  SelectedSong song;
  aolwin::Client& client;
  aolwin::Replies& replies;
  platform::UiHost& ui;
  // Told after the program wrote a tag; for the host's record.
  std::function<void(const std::string& path)> on_tag_written;
};

class TagViewer final : public platform::Form, public std::enable_shared_from_this<TagViewer> {
 public:
  explicit TagViewer(TagWindowsContext& context);

  void Form_Load();
  void Label15_Click();  // the drag strip
  void Label13_Click();  // minimise
  void Label14_Click();  // close

  // Captions on the left, values on the right, top to bottom.
  platform::Label Label1{"song:"}, Label2{"artist:"}, Label6{"title:"}, Label5{"Album:"},
      Label4{"year:"}, Label3{"comment:"};
  platform::Label Label7, Label8, Label9, Label10, Label11, Label12;
  platform::Label Label13, Label14, Label15;

  std::vector<std::string> Lines() const override;

  // Set by the owner: unloads the window.
  std::function<void()> unload;

 private:
  TagWindowsContext& context_;
};

class TagEditor final : public platform::Form, public std::enable_shared_from_this<TagEditor> {
 public:
  explicit TagEditor(TagWindowsContext& context);

  void Form_Load();
  void Command1_Click();  // "Set Tags"
  void Command2_Click();  // "Cancel"
  void Label6_Click();    // close
  void Label7_Click();    // minimise
  void Label8_Click();    // the drag strip

  platform::Label Label1{"artist:"}, Label2{"album:"}, Label3{"title:"}, Label4{"year:"},
      Label5{"comment:"};
  platform::TextBox Text1, Text2, Text3, Text4, Text5;
  platform::Label Command1{"Set Tags"}, Command2{"Cancel"};
  platform::Label Label6, Label7, Label8;

  std::vector<std::string> Lines() const override;

  std::function<void()> unload;

 private:
  TagWindowsContext& context_;
  // Set Tags runs once at a time: a second press during its wait is not taken.
  bool setting_ = false;
};

// Owns the two windows while they are loaded.
class TagWindows {
 public:
  explicit TagWindows(const TagWindowsContext& context) : context_(context) {}
  TagWindows(const TagWindows&) = delete;
  TagWindows& operator=(const TagWindows&) = delete;

  // Loads the window when it is not loaded, and shows it.
  TagViewer& ShowForm9();
  TagEditor& ShowForm10();
  // The windows while they are loaded; null otherwise.
  TagViewer* Form9() { return form9_.get(); }
  TagEditor* Form10() { return form10_.get(); }

  Id3Tags& Tags() { return context_.tags; }

 private:
  // Loads the window when it is not loaded, and shows it.
  template <typename Window>
  Window& Show(std::shared_ptr<Window>& window);
  template <typename Window>
  void Unload(std::shared_ptr<Window>& window);

  TagWindowsContext context_;
  std::shared_ptr<TagViewer> form9_;
  std::shared_ptr<TagEditor> form10_;
};

}  // namespace jelt::id3tag
