// Turns the RTF of a topic file into help topics: footnotes give each topic
// its context strings, title, keywords, browse code and entry macros, as
// the topic check reads them; the text becomes paragraphs with font
// changes, tabs, line breaks and hotspots (underlined or struck text
// followed by hidden text naming the target).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "rtf/reader.h"
#include "tools/helpc/hlp/font_table.h"
#include "tools/helpc/hlp/paragraph.h"
#include "tools/helpc/hlp/picture_file.h"
#include "tools/helpc/references.h"

namespace hlp {

struct TopicText {
  std::vector<std::string> contexts;  // "#"
  std::string title;                  // "$"
  std::vector<std::string> keywords;  // "K", one entry each
  std::vector<std::string> a_keywords;  // "A"
  std::vector<std::string> macros;    // "!"
  std::string browse;                 // "+"
  std::string window;                 // ">": the window the topic opens in
  std::vector<Paragraph::Record> paragraphs;
  // The leading paragraphs kept with the next (\keepn): the topic's
  // non-scrolling region.
  std::size_t non_scrolling = 0;
  int number = 1;  // the topic's place in its file, from 1
  // Commands of the text the help file cannot hold, as written ("{mci …}").
  std::vector<std::string> left_out;
};

class TopicBuilder : public rtf::Sink {
 public:
  // The command for a hotspot's target, "" when it can have none.
  using HotspotResolver = std::function<std::string(helpc::HotspotKind, const helpc::HotspotTarget&)>;
  using Handler = std::function<void(TopicText&)>;
  // The command that shows a bitmap the text names, "" when it has none.
  using PictureResolver = std::function<std::string(PicturePlace, const std::string&)>;

  TopicBuilder(const rtf::Reader& reader, FontTable& fonts, HotspotResolver resolve, Handler on_topic,
               PictureResolver pictures = {})
      : reader_(reader),
        fonts_(fonts),
        resolve_(std::move(resolve)),
        on_topic_(std::move(on_topic)),
        pictures_(std::move(pictures)) {}

  // Ends the file's last topic.
  void finish();

  void text(std::string_view bytes, const rtf::CharFormat& format) override;
  void unicode_char(std::uint32_t code_point, const rtf::CharFormat& format) override;
  void line_break(const rtf::CharFormat&) override;
  void paragraph_end(const rtf::ParaFormat& para) override { end_paragraph(para); }
  void cell_end(const rtf::ParaFormat& para) override { end_paragraph(para); }
  void page_break() override;
  void footnote_begin() override;
  void footnote_end() override;

 private:
  void body_text(std::string_view bytes, const rtf::CharFormat& format);
  void emit(std::string_view bytes, const rtf::CharFormat& format);
  void emit_plain(std::string_view bytes, const rtf::CharFormat& format);
  void flush_mark();
  void finish_hotspot();
  void end_paragraph(const rtf::ParaFormat& para);
  void end_topic();
  void take_footnote();
  void brace_closed();
  int descriptor_of(const rtf::CharFormat& format);

  const rtf::Reader& reader_;
  FontTable& fonts_;
  HotspotResolver resolve_;
  Handler on_topic_;
  PictureResolver pictures_;

  TopicText topic_;
  Paragraph paragraph_;
  int font_ = -1;  // the descriptor in force in the paragraph
  bool has_content_ = false;
  bool paragraph_has_footnote_ = false;
  int page_ = 1;

  std::string pending_mark_;  // a superscript mark that a footnote may follow
  rtf::CharFormat mark_format_;

  bool in_footnote_ = false;
  char footnote_mark_ = 0;
  std::string footnote_text_;

  bool pending_hotspot_ = false;
  helpc::HotspotKind pending_kind_ = helpc::HotspotKind::jump;
  std::size_t hotspot_at_ = 0;
  std::size_t hotspot_fonts_from_ = 0;  // the paragraph item of its first font change
  bool collecting_target_ = false;
  std::string target_;

  bool in_braces_ = false;
  std::string brace_text_;
  rtf::CharFormat brace_format_;
};

}  // namespace hlp
