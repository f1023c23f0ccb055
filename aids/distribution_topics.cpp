#include "aids/distribution_topics.h"

#include "platform/text.h"
#include "project/topics/topic_scanner.h"

namespace aids {
namespace {

// What the distribution index reads: build tags, context string, title, K
// and A keywords; the browse and macro footnotes only so that their marks
// can be taken out of the words.
constexpr std::string_view kDistributionFootnotes = "*#$KA+!";

// Removes "{bm...}" and "{ew...}" references through their "}" (or the end).
std::string without_references(std::string_view text) {
  std::string out;
  size_t at = 0;
  while (at < text.size()) {
    size_t open = text.find('{', at);
    if (open == std::string_view::npos) break;
    std::string_view head = text.substr(open + 1, 2);
    if (text::iequals(head, "bm") || text::iequals(head, "ew")) {
      out.append(text.substr(at, open - at));
      size_t close = text.find('}', open);
      at = close == std::string_view::npos ? text.size() : close + 1;
      out += ' ';
    } else {
      out.append(text.substr(at, open + 1 - at));
      at = open + 1;
    }
  }
  if (at < text.size()) out.append(text.substr(at));
  return out;
}

bool is_separator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '{' || c == '}'; }

class TopicCollector : public project::ScanSink {
 public:
  TopicCollector(std::vector<DistributionTopic>& topics, const TopicCounter& counter)
      : topics_(topics), counter_(counter) {}

  void on_footnote(char kind, std::string_view text, const project::ScannedTopic&) override {
    // The footnote's mark character is the last text before it, not a word.
    if (!visible_.empty() && visible_.back() == kind) visible_.pop_back();
    switch (kind) {
      case '*': topic_.build_tags = std::string(text); break;
      case '#':
        if (topic_.context) return;
        topic_.context = std::string(text);
        if (counter_) counter_();
        break;
      case '$':
        if (!topic_.title) topic_.title = std::string(text);
        break;
      case 'K': topic_.k_keywords.emplace_back(text); break;
      case 'A': topic_.a_keywords.emplace_back(text); break;
      default: break;
    }
  }

  // Only what follows the title counts as the topic's words.
  void on_body_text(std::string_view bytes, bool hidden, const project::ScannedTopic&) override {
    if (topic_.title && !hidden) visible_ += bytes;
  }

  bool on_topic_end(const project::ScannedTopic&) override {
    if (topic_.title) topic_.words = VisibleWords(visible_);
    topics_.push_back(std::move(topic_));
    topic_ = {};
    visible_.clear();
    return true;
  }

 private:
  std::vector<DistributionTopic>& topics_;
  const TopicCounter& counter_;
  DistributionTopic topic_;
  std::string visible_;
};

}  // namespace

std::string VisibleWords(std::string_view text) {
  const std::string plain = without_references(text);
  std::string words;
  size_t at = 0;
  while (at < plain.size()) {
    while (at < plain.size() && is_separator(plain[at])) ++at;
    size_t end = at;
    while (end < plain.size() && !is_separator(plain[end])) ++end;
    std::string_view token = std::string_view(plain).substr(at, end - at);
    if (!token.empty() && token.size() <= kLongestWord && token.find("TWZPICTURE") == std::string_view::npos)
      words.append(token).push_back(' ');
    at = end;
  }
  return words;
}

std::vector<DistributionTopic> ReadDistributionTopics(const std::vector<std::string>& topic_paths,
                                                      const project::TopicTable& table,
                                                      const TopicCounter& counter) {
  std::vector<DistributionTopic> topics;
  for (const std::string& path : topic_paths) {
    TopicCollector collector(topics, counter);
    project::ScanTopicFile(path, table, collector, kDistributionFootnotes);
  }
  return topics;
}

}  // namespace aids
