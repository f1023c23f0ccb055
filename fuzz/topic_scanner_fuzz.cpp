// The topic scanner: footnotes and hotspots of every topic of an RTF topic
// file, looked up in a topic table.
#include "fuzz/fuzz_support.h"
#include "project/topics/topic_scanner.h"

namespace {

// Reads every field it is given, so that a bad view shows.
class Collector : public project::ScanSink {
 public:
  void on_footnote(char kind, std::string_view text, const project::ScannedTopic& topic) override {
    bytes_ += text.size() + topic.title.size();
  }
  void on_hotspot(const project::ScannedHotspot& hotspot, const project::ScannedTopic&) override {
    bytes_ += hotspot.target.size();
  }
  bool on_topic_end(const project::ScannedTopic& topic) override {
    for (const auto& h : topic.hotspots) bytes_ += h.target.size();
    return ++topics_ < 10000;
  }

 private:
  std::size_t bytes_ = 0;
  int topics_ = 0;
};

const project::TopicTable& table() {
  static const project::TopicTable t = [] {
    project::TopicTable t;
    for (const char* name : {"IDH_one", "IDH_two", "main", "a"}) {
      project::Topic topic;
      topic.context = project::stored_context(name);
      t.push_back(topic);
    }
    return t;
  }();
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Collector sink;
  project::ScanTopicText(fuzz::as_text(data, size), table(), sink);
  Collector keywords;
  project::ScanTopicText(fuzz::as_text(data, size), table(), keywords, project::kKeywordFootnotes);
  return 0;
}
