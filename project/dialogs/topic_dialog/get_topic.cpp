#include "project/dialogs/topic_dialog/get_topic.h"

#include "project/project_state.h"
#include "core/messages.h"
#include "project/topics/project_document.h"
#include "platform/text.h"

namespace project {
namespace {

bool is_control(char c) { return static_cast<unsigned char>(c) < 0x20; }

std::string cut_at_control(std::string_view s) {
  size_t n = 0;
  while (n < s.size() && !is_control(s[n])) ++n;
  return std::string(text::trim(s.substr(0, n)));
}

std::string blanks_for_controls(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (is_control(c)) c = ' ';
  return std::string(text::trim(out));
}

// True when the character at pos stands inside a quoted macro argument:
// after an unbalanced double quote, or where more backquotes than
// apostrophes precede it.
class QuoteTracker {
 public:
  void pass(char c) {
    if (c == '"') double_quotes_ = !double_quotes_;
    else if (c == '`') ++backquotes_;
    else if (c == '\'') ++apostrophes_;
  }
  bool inside() const { return double_quotes_ || backquotes_ > apostrophes_; }

 private:
  bool double_quotes_ = false;
  int backquotes_ = 0, apostrophes_ = 0;
};

}  // namespace

void clean_topic_texts(TopicTexts& t) {
  t.title = blanks_for_controls(t.title);
  for (std::string* s : {&t.context, &t.browse, &t.k_keywords, &t.a_keywords, &t.counter, &t.footnote,
                         &t.build_tags, &t.window}) {
    *s = cut_at_control(*s);
  }
  size_t mark = t.window.find('>');
  if (mark != std::string::npos) t.window = std::string(text::trim(t.window.substr(std::min(mark + 2, t.window.size()))));
}

std::string split_long_footnote(std::string text) {
  if (text.size() <= kFootnoteMax) return text;
  QuoteTracker quotes;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ';' && !quotes.inside()) {
      text[i] = '$';
      if (text.size() - i - 1 <= kFootnotePartMax) break;
    }
    quotes.pass(text[i]);
  }
  return text;
}

std::string entry_macro_footnote(std::string_view macro) {
  std::string_view body = text::trim(macro);
  if (!body.empty() && body.front() == '!') body = text::trim(body.substr(1));
  if (body.empty()) return {};
  return split_long_footnote("!" + std::string(body));
}

int GetTopic(ProjectState& state, std::int32_t window, std::string_view document, TopicTexts& texts) {
  if (window != kNoDialogWindow) core::dialog_owner(state, window);
  clean_topic_texts(texts);
  if (!project::CheckProjectDocument(state, document)) return kTopicCancelled;
  if (window == kNoDialogWindow) return CreateTopicWithoutDialog(state, texts);
  if (!texts.footnote.empty() && texts.footnote.front() != '!') texts.footnote.insert(0, "!");
  return RunTopicDialog(state, window, texts);
}

}  // namespace project
