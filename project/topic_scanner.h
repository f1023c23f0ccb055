// The topic file scanner: reads an RTF topic file line by line and reports,
// in file order, the footnotes and hotspots of each topic and each topic's
// end ("\page", or the end of the file). It does not parse RTF fully; it
// looks for the markers help authoring uses, in bounded memory whatever the
// file's size.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "project/hotspot_marks.h"
#include "project/topic_table.h"

namespace project {

// The footnote characters the scanner reads: build tags, context string,
// title, keywords, browse sequence, entry macro.
inline constexpr std::string_view kScannedFootnotes = "*#$K+!";
// The gathering buffer: its size, the fill past which its oldest text is
// dropped, and how much is dropped then.
inline constexpr std::size_t kGatherCapacity = 65500;
inline constexpr std::size_t kGatherHighWater = 64000;
inline constexpr std::size_t kGatherDrop = 32000;
// A footnote or hotspot still unfinished this many bytes after its start is
// ended where it stands: its end is not coming.
inline constexpr std::size_t kOpenMarkerMax = 5000;
// Texts and hotspots a scanned topic keeps.
inline constexpr std::size_t kScannedTextMax = 4999;
inline constexpr std::size_t kScannedHotspotsMax = 10000;

struct ScannedHotspot {
  HotspotKind kind = HotspotKind::jump;
  std::string target;  // the hidden text as written
  int topic = -1;      // topic number of the target (cut at '>' and '@'), -1
};

// One topic as scanned so far.
struct ScannedTopic {
  std::string build_tags, context, title, keywords, browse, entry_macro;
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
  // A hotspot was read (it is already the last of topic.hotspots).
  virtual void on_hotspot(const ScannedHotspot& hotspot, const ScannedTopic& topic) {}
  // The topic ended; false stops the scan.
  virtual bool on_topic_end(const ScannedTopic& topic) { return true; }
};

// The scan over lines given one at a time (ScanTopicFile feeds it a file).
class TopicScanner {
 public:
  TopicScanner(const TopicTable& table, ScanSink& sink);

  // One piece of a line; `line_end` when the line ended with it.
  void add_line(std::string_view piece, bool line_end);
  // The end of the file: unfinished markers end, the last topic is delivered
  // unless it is empty.
  void finish();
  // True once the sink asked to stop.
  bool stopped() const { return stopped_; }

 private:
  void gather(std::string_view piece, bool line_end);
  void examine(bool force);
  // Reads the marker at a backslash; returns where scanning goes on, or npos
  // when the marker is open and the text from `open_at` must wait.
  size_t read_marker(std::string_view text, size_t at, bool force, size_t& open_at);
  size_t read_footnote_at(std::string_view text, size_t open, bool force, size_t& open_at);
  size_t read_hotspot_at(std::string_view text, size_t at, bool force, size_t& open_at);
  void store_footnote(char kind, std::string text);
  void end_topic();
  void drop_oldest(size_t bytes);

  const TopicTable& table_;
  ScanSink& sink_;
  ScannedTopic topic_;
  std::string buffer_;
  size_t start_ = 0;        // first byte not yet scanned
  size_t waiting_ = 0;      // bytes an open marker waited with at the last look
  bool broken_line_ = false;  // the last gathered piece did not end its line
  bool stopped_ = false;
};

enum class ScanResult { done, stopped, not_opened };

// Scans a topic file (a system path).
ScanResult ScanTopicFile(std::string_view path, const TopicTable& table, ScanSink& sink);

}  // namespace project
