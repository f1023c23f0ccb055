#include "aids/keyword_rebuild.h"

#include <optional>

#include "platform/files.h"
#include "project/topics/topic_scanner.h"

namespace aids {
namespace {

// Gathers each topic's context string, title and footnotes of one keyword
// kind, and writes its record when the topic ends.
class RecordWriter : public project::ScanSink {
 public:
  RecordWriter(char letter, std::string& out, const std::function<void()>& counter)
      : letter_(letter), out_(out), counter_(counter) {}

  void on_footnote(char kind, std::string_view text, const project::ScannedTopic&) override {
    if (kind == '#' && !topic_.context) {
      topic_.context = std::string(text);
      if (counter_) counter_();
    } else if (kind == '$' && !topic_.title) {
      topic_.title = std::string(text);
    } else if (kind == letter_) {
      topic_.keywords += text;
      topic_.keywords += ';';  // one per footnote, even after a text that ends with one
    }
  }

  bool on_topic_end(const project::ScannedTopic&) override {
    write_record();
    topic_ = {};
    return true;
  }

 private:
  struct Topic {
    std::optional<std::string> context, title;
    std::string keywords;
  };

  // A topic without a context string cannot be found again: it gets no
  // record, so its keywords never join the previous topic's line. Keywords
  // always sit behind the second TAB, so a topic with keywords and no title
  // gets an empty title field.
  void write_record() {
    if (!topic_.context) return;
    out_ += "\r\n" + *topic_.context + "\t";
    if (topic_.title || !topic_.keywords.empty()) out_ += topic_.title.value_or("") + "\t";
    out_ += topic_.keywords;
  }

  char letter_;
  std::string& out_;
  const std::function<void()>& counter_;
  Topic topic_;
};

}  // namespace

std::string KeywordDatabaseText(const std::vector<std::string>& topic_paths, const project::TopicTable& table,
                                KeywordKind kind, const std::function<void()>& counter) {
  std::string out = "\r\n";
  for (const std::string& path : topic_paths) {
    RecordWriter writer(kind == KeywordKind::k ? 'K' : 'A', out, counter);
    project::ScanTopicFile(path, table, writer, project::kKeywordFootnotes);
  }
  return out;
}

bool RebuildKeywordDatabase(std::string_view project_path, const std::vector<std::string>& topic_paths,
                            const project::TopicTable& table, KeywordKind kind, KeywordState& state,
                            const std::function<void()>& counter) {
  if (topic_paths.empty()) return true;
  state.cache_valid(kind) = false;
  return platform::write_file(database_path(project_path, kind),
                              KeywordDatabaseText(topic_paths, table, kind, counter));
}

}  // namespace aids
