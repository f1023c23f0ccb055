#include "project/topics/context_strings.h"

#include "platform/text.h"

namespace project {
namespace {

bool ascii_alnum(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The plain letter of an accented code page 1252 letter, 0 for others.
char plain_letter(unsigned char c) {
  if ((c >= 192 && c <= 198) || (c >= 224 && c <= 230)) return 'a';
  if (c == 199 || c == 231) return 'c';
  if ((c >= 200 && c <= 203) || (c >= 232 && c <= 235)) return 'e';
  if ((c >= 204 && c <= 207) || (c >= 236 && c <= 239)) return 'i';
  if (c == 208) return 'd';
  if (c == 209 || c == 241) return 'n';
  if ((c >= 210 && c <= 214) || c == 216 || (c >= 242 && c <= 246) || c == 248) return 'o';
  if ((c >= 217 && c <= 220) || (c >= 249 && c <= 252)) return 'u';
  if (c == 221 || c == 253 || c == 255) return 'y';
  if (c == 222 || c == 254) return 'b';
  if (c == 223) return 's';
  return 0;
}

// The title's words, lowered, in order.
std::vector<std::string> title_words(std::string_view title) {
  std::vector<std::string> words;
  for (std::string& w : text::split(text::to_lower(title), ' '))
    if (!w.empty()) words.push_back(std::move(w));
  return words;
}

std::string candidate(std::string_view prefix, const std::vector<std::string>& words, int attempt) {
  std::string c(prefix);
  if (attempt > 0) c += text::format("n%d", attempt);
  for (size_t k = 0; k < words.size(); ++k) {
    if (k > 0 && c.size() > kGeneratedFill) break;
    if (k > 0) c += "_";
    c += text::cut(words[k], k == 0 ? kFirstWordMax : kOtherWordMax);
  }
  return fold_context_candidate(c);
}

}  // namespace

int FindTopic(const TopicTable& table, std::string_view name) { return table.find(name); }

void RemoveTopicEntry(TopicTable& table, int topic) {
  if (topic < 0 || topic >= table.count()) return;
  std::string& context = table[topic].context;
  if (context.empty()) context.push_back('#');
  else context[0] = '#';
}

bool listed_topic(const Topic& topic) { return topic.live() && topic.file != kNoFile; }

int topic_agreeing(const TopicTable& table, std::string_view name, int length, int except) {
  const std::string wanted = text::cut(text::trim(name), static_cast<size_t>(length));
  for (int i = 0; i < table.count(); ++i) {
    if (i == except || !table[i].live()) continue;
    if (text::iequals(text::cut(table[i].name(), static_cast<size_t>(length)), wanted)) return i;
  }
  return -1;
}

std::string fold_context_candidate(std::string_view candidate) {
  std::string out;
  out.reserve(candidate.size());
  for (char ch : candidate) {
    auto c = static_cast<unsigned char>(ch);
    if (ascii_alnum(c)) out.push_back(ch);
    else if (char plain = plain_letter(c)) out.push_back(plain);
    else out.push_back(' ');
  }
  std::string trimmed(text::trim(out));
  for (char& c : trimmed)
    if (c == ' ') c = '_';
  return trimmed;
}

std::string ContextFromTitle(const TopicTable& table, std::string_view title, int length) {
  const std::vector<std::string> words = title_words(title);
  // Attempts differ within the compared length, so one of count + 1
  // attempts is free.
  std::string c;
  for (int attempt = 0; attempt <= table.count(); ++attempt) {
    c = candidate(table.prefix, words, attempt);
    if (topic_agreeing(table, c, length) < 0) break;
  }
  return c;
}

}  // namespace project
