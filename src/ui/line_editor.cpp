#include "ui/line_editor.h"

#include "platform/text.h"
#include "ui/display_width.h"

namespace jelt::ui {

namespace {

std::string ToUtf8(std::u32string_view text) {
  std::string out;
  for (const char32_t c : text)
    platform::AppendUtf8(out, c);
  return out;
}

bool IsWordChar(char32_t c) {
  return c != U' ' && c != U'\t';
}

}  // namespace

LineEditor::Result LineEditor::Apply(const Key& key) {
  switch (key.code) {
    case KeyCode::kChar:
      Insert(key.ch);
      break;
    case KeyCode::kEnter:
      return Submit();
    case KeyCode::kEscape:
      return {Outcome::kCancel, {}};
    case KeyCode::kBackspace:
      EraseBefore();
      break;
    case KeyCode::kDelete:
      EraseAt();
      break;
    case KeyCode::kLeft:
      if (cursor_ > 0) --cursor_;
      break;
    case KeyCode::kRight:
      if (cursor_ < text_.size()) ++cursor_;
      break;
    case KeyCode::kHome:
      cursor_ = 0;
      break;
    case KeyCode::kEnd:
      cursor_ = text_.size();
      break;
    case KeyCode::kUp:
      Recall(-1);
      break;
    case KeyCode::kDown:
      Recall(+1);
      break;
    case KeyCode::kControl:
      switch (key.ch) {
        case U'a':
          return Apply(PlainKey(KeyCode::kHome));
        case U'e':
          return Apply(PlainKey(KeyCode::kEnd));
        case U'b':
          return Apply(PlainKey(KeyCode::kLeft));
        case U'f':
          return Apply(PlainKey(KeyCode::kRight));
        case U'p':
          return Apply(PlainKey(KeyCode::kUp));
        case U'n':
          return Apply(PlainKey(KeyCode::kDown));
        case U'c':
          return {Outcome::kInterrupt, {}};
        case U'd':
          if (text_.empty()) return {Outcome::kEndOfInput, {}};
          EraseAt();
          break;
        case U'u':
          text_.erase(0, cursor_);
          cursor_ = 0;
          break;
        case U'k':
          text_.erase(cursor_);
          break;
        case U'w':
          EraseWordBefore();
          break;
        default:
          break;
      }
      break;
    default:
      break;
  }
  return {};
}

std::string LineEditor::Text() const {
  return ToUtf8(text_);
}

void LineEditor::SetText(std::string_view utf8) {
  text_.clear();
  for (std::size_t at = 0; at < utf8.size();)
    text_ += platform::NextChar(utf8, at);
  cursor_ = text_.size();
}

void LineEditor::Insert(char32_t c) {
  text_.insert(text_.begin() + static_cast<std::ptrdiff_t>(cursor_), c);
  ++cursor_;
}

void LineEditor::EraseBefore() {
  if (cursor_ == 0) return;
  --cursor_;
  text_.erase(cursor_, 1);
}

void LineEditor::EraseWordBefore() {
  std::size_t start = cursor_;
  while (start > 0 && !IsWordChar(text_[start - 1]))
    --start;
  while (start > 0 && IsWordChar(text_[start - 1]))
    --start;
  text_.erase(start, cursor_ - start);
  cursor_ = start;
}

void LineEditor::EraseAt() {
  if (cursor_ < text_.size()) text_.erase(cursor_, 1);
}

void LineEditor::Recall(int step) {
  if (step < 0 && recalled_ == 0) return;
  if (step > 0 && recalled_ >= history_.size()) return;
  if (recalled_ == history_.size()) unsent_ = text_;
  recalled_ = step < 0 ? recalled_ - 1 : recalled_ + 1;
  text_ = recalled_ == history_.size() ? unsent_ : history_[recalled_];
  cursor_ = text_.size();
}

LineEditor::Result LineEditor::Submit() {
  Result result{Outcome::kSubmit, ToUtf8(text_)};
  if (!text_.empty() && (history_.empty() || history_.back() != text_)) history_.push_back(text_);
  text_.clear();
  unsent_.clear();
  cursor_ = 0;
  recalled_ = history_.size();
  return result;
}

LineEditor::Window LineEditor::Visible(int columns) const {
  const auto width = [&](std::size_t from, std::size_t to) {
    int total = 0;
    for (std::size_t i = from; i < to; ++i)
      total += CharWidth(text_[i]);
    return total;
  };
  // The first character shown: the line scrolls left only as far as the cursor needs.
  std::size_t first = 0;
  while (first < cursor_ && width(first, cursor_) + 1 > columns)
    ++first;
  Window window;
  int used = 0;
  for (std::size_t i = first; i < text_.size(); ++i) {
    const int char_width = CharWidth(text_[i]);
    if (used + char_width > columns) break;
    platform::AppendUtf8(window.text, text_[i]);
    used += char_width;
  }
  window.cursor_column = width(first, cursor_);
  return window;
}

}  // namespace jelt::ui
