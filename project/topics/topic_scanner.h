// The topic file scanner: reads an RTF topic file with the RTF reader and
// reports, in file order, the footnotes and hotspots of each topic and each
// topic's end ("\page", or the end of the file). Texts come in the document's
// code page, without their formatting.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "project/topics/footnote_marks.h"
#include "project/topics/hotspot_marks.h"
#include "project/topics/topic_table.h"
#include "rtf/reader.h"

namespace project {

// The footnote characters the scanner reads: build tags, context string,
// title, keywords, browse sequence, entry macro.
inline constexpr std::string_view kScannedFootnotes = "*#$K+!";
// What the keyword indexes read: context string, title, K and A keywords.
inline constexpr std::string_view kKeywordFootnotes = "#$KA";

struct ScannedHotspot {
  HotspotKind kind = HotspotKind::jump;
  std::string target;  // the hidden text as written
  int topic = -1;      // topic number of the target (cut at '>' and '@'), -1
};

// One topic as scanned so far.
struct ScannedTopic {
  std::string build_tags, context, title, keywords, browse, entry_macro;
  std::string a_keywords;  // read only when the scan asks for 'A' footnotes
  std::vector<ScannedHotspot> hotspots;
  int number = -1;  // topic number of the context string, -1 when not in the table

  // True when no footnote and no hotspot was found.
  bool empty() const;
};

// Receives what the scanner finds, as it finds it.
class ScanSink {
 public:
  virtual ~ScanSink() = default;
  // A footnote of kind ('*', '#', '$', 'K', '+', '!') with this text was
  // read into topic.
  virtual void on_footnote(char kind, std::string_view text, const ScannedTopic& topic) {}
  // Text of the topic itself (not of a footnote), hidden or not; breaks
  // between paragraphs, cells and lines come as one blank.
  virtual void on_body_text(std::string_view bytes, bool hidden, const ScannedTopic& topic) {}
  // A hotspot was read (it is already the last of topic.hotspots).
  virtual void on_hotspot(const ScannedHotspot& hotspot, const ScannedTopic& topic) {}
  // The topic ended; false stops the scan.
  virtual bool on_topic_end(const ScannedTopic& topic) { return true; }
};

// What the RTF reader finds, turned into topics for a ScanSink.
class TopicScanner : public rtf::Sink {
 public:
  // Reads the footnotes whose characters are in kinds.
  TopicScanner(const TopicTable& table, ScanSink& sink, std::string_view kinds = kScannedFootnotes);

  void text(std::string_view bytes, const rtf::CharFormat& format) override;
  void unicode_char(std::uint32_t code_point, const rtf::CharFormat& format) override;
  void line_break(const rtf::CharFormat& format) override;
  void paragraph_end(const rtf::ParaFormat&) override { boundary(" "); }
  void cell_end(const rtf::ParaFormat&) override { boundary(" "); }
  void row_end(const rtf::RowFormat&) override { boundary(" "); }
  void page_break() override;
  void footnote_begin() override;
  void footnote_end() override;

  // The end of the file: an unfinished footnote or hotspot ends, and the
  // last topic is delivered unless it is empty.
  void finish();
  // True once the sink asked to stop.
  bool stopped() const { return stopped_; }

 private:
  void decoded_text(const std::string& bytes, const rtf::CharFormat& format);
  void boundary(std::string_view in_footnote);
  void add_hotspot(std::optional<Hotspot> hotspot);
  void store_footnote(char kind, std::string text);
  void end_topic();

  const TopicTable& table_;
  ScanSink& sink_;
  std::string_view kinds_;
  ScannedTopic topic_;
  FootnoteMark mark_;
  HotspotReader hotspots_;
  bool in_footnote_ = false;
  char footnote_kind_ = 0;  // of the open footnote; 0 when it is not read
  std::string footnote_text_;
  bool stopped_ = false;
};

enum class ScanResult { done, stopped, not_opened };

// Scans the RTF text of a topic file.
ScanResult ScanTopicText(std::string_view rtf, const TopicTable& table, ScanSink& sink,
                         std::string_view kinds = kScannedFootnotes);
// Scans a topic file (a system path).
ScanResult ScanTopicFile(std::string_view path, const TopicTable& table, ScanSink& sink,
                         std::string_view kinds = kScannedFootnotes);

}  // namespace project
