// GetTopic: creating or editing a topic, with the topic dialog or (window
// -10) without one, and the texts the word processor then writes as the
// topic's footnotes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace project {
struct ProjectState;
}

namespace project {

// The window argument that asks for a topic without the dialog.
inline constexpr std::int32_t kNoDialogWindow = -10;
// GetTopic's results.
inline constexpr int kTopicCancelled = 0;
inline constexpr int kTopicAccepted = 1;
inline constexpr int kTopicAcceptedNoFootnote = 2;  // the footnote text came back empty
inline constexpr int kTopicRefused = 67;            // the topic table has no room
// A footnote text longer than this gets "$" separators ...
inline constexpr size_t kFootnoteMax = 254;
// ... until the text after the last one is at most this long.
inline constexpr size_t kFootnotePartMax = 250;
// The title that makes the context string "<prefix>contents".
inline constexpr std::string_view kContentsTitle = "Contents";

// The nine texts of GetTopic, in and out. `footnote` is the topic's entry
// macro on the way in and the entry-macro footnote text on the way out.
struct TopicTexts {
  std::string title, context, browse, k_keywords, a_keywords, counter, footnote, build_tags, window;
};

// Each text cut at its first control character and trimmed (the title's
// control characters and tabs become blanks instead); the window text loses
// everything up to and including a ">" and the character after it.
void clean_topic_texts(TopicTexts& texts);

// The entry-macro footnote text: "!" and the macro, "" without a macro;
// when it is longer than kFootnoteMax, its ";" separators outside quoted
// arguments become "$" from the front until the rest is short enough.
std::string entry_macro_footnote(std::string_view macro);
// Turns separators into "$" as entry_macro_footnote does.
std::string split_long_footnote(std::string text);

// The whole command: document check, then the dialog or the creation
// without it. Returns one of the results above.
int GetTopic(ProjectState& state, std::int32_t window, std::string_view document, TopicTexts& texts);

// Window -10: a topic from the title alone (context string from the title,
// browse number from the counter text). 0 for an empty title.
int CreateTopicWithoutDialog(ProjectState& state, TopicTexts& texts);

// The dialog "DLG_INS_TOPIC" over window; 0 when cancelled.
int RunTopicDialog(ProjectState& state, std::int32_t window, TopicTexts& texts);

}  // namespace project
