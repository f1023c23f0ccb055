// Reads the topics of one RTF topic file, as WinHelp sees them: "\page"
// ends a topic; footnotes "#", "$", "K", ">" give its context strings,
// title, keywords and window; double-underlined (or struck) text followed
// by hidden text is a jump, single-underlined text a pop-up; "{bmc name}"
// and its kin in the text name bitmaps; "{button label,macro}" is a button.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "rtf/reader.h"
#include "tools/helpc/references.h"

namespace helpc {

struct Hotspot {
  HotspotKind kind = HotspotKind::jump;
  std::string hidden_text;
};

// What one topic holds that the check looks at.
struct TopicFacts {
  int number = 0;                     // position in the file, from 1
  std::vector<std::string> contexts;  // "#" footnotes
  std::string title;                  // "$" footnote
  int keywords = 0;                   // entries of "K" footnotes
  std::vector<std::string> windows;   // ">" footnotes
  std::vector<Hotspot> hotspots;
  std::vector<std::string> bitmaps;
  std::vector<std::string> button_macros;  // "{button label,macro}" in the text
};

class TopicCollector : public rtf::Sink {
 public:
  // Longest footnote, hidden or brace text kept; the rest is dropped.
  static constexpr std::size_t kMaxPieceLength = 1024;

  using Handler = std::function<void(const TopicFacts&)>;
  explicit TopicCollector(Handler on_topic) : on_topic_(std::move(on_topic)) {}

  // Ends the file's last topic (the text after the last "\page").
  void finish();

  void text(std::string_view bytes, const rtf::CharFormat& format) override;
  void unicode_char(std::uint32_t code_point, const rtf::CharFormat& format) override;
  void line_break(const rtf::CharFormat&) override { end_run(); }
  void paragraph_end(const rtf::ParaFormat&) override { end_run(); }
  void cell_end(const rtf::ParaFormat&) override { end_run(); }
  void row_end(const rtf::RowFormat&) override { end_run(); }
  void page_break() override;
  void footnote_begin() override;
  void footnote_end() override;
  void picture(const rtf::Picture&) override;

 private:
  void body_text(std::string_view bytes, const rtf::CharFormat& format);
  void capture_braces(std::string_view bytes);
  void finish_hotspot();
  void end_run();
  void end_topic();
  void take_footnote();

  Handler on_topic_;
  TopicFacts topic_;
  int position_ = 1;
  bool has_content_ = false;

  bool in_footnote_ = false;
  char footnote_mark_ = 0;
  std::string footnote_text_;
  char last_body_char_ = 0;

  bool pending_hotspot_ = false;  // underlined text seen, hidden text may follow
  HotspotKind pending_kind_ = HotspotKind::jump;
  bool collecting_target_ = false;
  std::string target_;

  bool in_braces_ = false;  // inside "{...}" of the text: a bitmap reference?
  std::string brace_text_;
};

}  // namespace helpc
