#include "id3tag/tag_windows.h"

namespace jelt::id3tag {

namespace {

void OrNotAvailable(platform::Label& label) {
  if (label.caption.empty()) label.caption = "n/a";
}

}  // namespace

TagViewer::TagViewer(TagWindowsContext& context) : Form("Form9"), context_(context) {}

void TagViewer::Form_Load() {
  context_.ui.KeepOnTop(*this);
  Label7.caption = context_.song.name();
  const std::string path = context_.song.path();
  Label8.caption = context_.tags.TagArtist(path);
  Label9.caption = context_.tags.TagTitle(path);
  Label10.caption = context_.tags.TagAlbum(path);
  Label11.caption = context_.tags.TagYear(path);
  Label12.caption = context_.tags.TagComment(path);
  for (platform::Label* value : {&Label8, &Label9, &Label10, &Label11, &Label12}) {
    OrNotAvailable(*value);
  }
}

void TagViewer::Label15_Click() {
  context_.ui.DragForm(*this);
}
void TagViewer::Label13_Click() {
  context_.ui.MinimiseForm(*this);
}
void TagViewer::Label14_Click() {
  unload();
}

std::vector<std::string> TagViewer::Lines() const {
  return {Label1.caption + " " + Label7.caption,  Label2.caption + " " + Label8.caption,
          Label6.caption + " " + Label9.caption,  Label5.caption + " " + Label10.caption,
          Label4.caption + " " + Label11.caption, Label3.caption + " " + Label12.caption};
}

TagEditor::TagEditor(TagWindowsContext& context) : Form("Form10"), context_(context) {}

void TagEditor::Form_Load() {
  context_.ui.KeepOnTop(*this);
  const std::string path = context_.song.path();
  Text1.text = context_.tags.TagArtist(path);
  Text3.text = context_.tags.TagTitle(path);
  Text2.text = context_.tags.TagAlbum(path);
  Text4.text = context_.tags.TagYear(path);
  Text5.text = context_.tags.TagComment(path);
}

// Each setter rewrites the whole tag on top of the one before. The line says "tags set."
// only when every field was written.
void TagEditor::Command1_Click() {
  if (setting_) return;
  setting_ = true;
  // The window may be closed during the wait below; it stays until this handler is done.
  const std::shared_ptr<TagEditor> keep = shared_from_this();
  const std::string path = context_.song.path();
  Id3Tags& tags = context_.tags;
  bool written = tags.SetTagArtist(path, Text1.text);
  written = tags.SetTagAlbum(path, Text2.text) && written;
  written = tags.SetTagTitle(path, Text3.text) && written;
  written = tags.SetTagYear(path, Text4.text) && written;
  written = tags.SetTagComment(path, Text5.text) && written;
  if (written && context_.on_tag_written) context_.on_tag_written(path);
  context_.replies.SendFixed(written ? " tags set." : " tags not set.");
  context_.client.WaitSeconds(0.4);
  unload();
}

void TagEditor::Command2_Click() {
  unload();
}
void TagEditor::Label6_Click() {
  unload();
}
void TagEditor::Label7_Click() {
  context_.ui.MinimiseForm(*this);
}
void TagEditor::Label8_Click() {
  context_.ui.DragForm(*this);
}

std::vector<std::string> TagEditor::Lines() const {
  return {Label1.caption + " " + Text1.text, Label2.caption + " " + Text2.text,
          Label3.caption + " " + Text3.text, Label4.caption + " " + Text4.text,
          Label5.caption + " " + Text5.text};
}

template <typename Window>
void TagWindows::Unload(std::shared_ptr<Window>& window) {
  if (!window) return;
  context_.ui.HideForm(*window);
  // The window may be unloading itself from one of its own handlers: it goes once the
  // handler has returned.
  context_.client.Loop().Post([going = std::move(window)] {});
}

template <typename Window>
Window& TagWindows::Show(std::shared_ptr<Window>& window) {
  if (!window) {
    window = std::make_shared<Window>(context_);
    window->unload = [this, &window] { Unload(window); };
    window->Form_Load();
  }
  context_.ui.ShowForm(*window);
  return *window;
}

TagViewer& TagWindows::ShowForm9() {
  return Show(form9_);
}
TagEditor& TagWindows::ShowForm10() {
  return Show(form10_);
}

}  // namespace jelt::id3tag
