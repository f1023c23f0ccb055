#include "html/pages/keyword_lookup.h"

#include <vector>

#include "html/driver/conversion_run.h"
#include "html/driver/messages.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

// Each requested keyword with its ";" and without leading blanks.
std::vector<std::string> requested_keywords(std::string_view keywords) {
  std::string list(keywords);
  if (list.empty() || list.back() != ';') list += ';';
  std::vector<std::string> wanted;
  for (const std::string& piece : text::split(list.substr(0, list.size() - 1), ';')) {
    std::string_view word = text::trim_left(piece);
    if (!word.empty()) wanted.push_back(std::string(word) + ";");
  }
  return wanted;
}

bool separator(char c) { return c == ';' || c == '\t'; }

// A keyword counts where it starts the field or follows ";" (with at most one blank).
bool field_holds(std::string_view field, const std::string& keyword) {
  for (std::size_t p = field.find(keyword); p != std::string_view::npos;
       p = field.find(keyword, p + 1)) {
    if (p >= 1 && separator(field[p - 1])) return true;
    if (p >= 2 && field[p - 1] == ' ' && separator(field[p - 2])) return true;
  }
  return false;
}

void add_match(std::string& result, std::string_view line, std::size_t tab1, std::size_t tab2) {
  std::string entry = std::string(line.substr(tab1 + 1, tab2 - tab1 - 1)) + "\t" +
                      std::string(line.substr(0, tab1)) + ";";
  if (result.find(entry) != std::string::npos) return;
  if (result.size() + entry.size() > kKeywordTopicsBytes) return;
  result += entry;
}

}  // namespace

const std::string& lookup_keyword_topics(ConversionRun& run, std::string_view keywords,
                                         KeywordKind kind) {
  std::string& result = run.keyword_topics;
  result.clear();
  std::string db =
      platform::replace_extension(run.project.hpj_path, kind == KeywordKind::k ? ".kdb" : ".adb");
  LineReader& reader = run.keyword_reader;
  if (run.project.hpj_path.empty() || !reader.open(db)) {
    show_message(resource_string(kStrKeywordDbMissing), ui::kMbOk, "");
    return result;
  }
  std::vector<std::string> wanted = requested_keywords(keywords);
  while (std::optional<std::string> raw = reader.read_cut_line(kKeywordLineBytes)) {
    std::string_view line = without_line_end(*raw);
    std::size_t tab1 = line.find('\t');
    std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string_view::npos) continue;
    std::string_view field = line.substr(tab2);  // with the tab before it
    for (const std::string& keyword : wanted) {
      if (!field_holds(field, keyword)) continue;
      add_match(result, line, tab1, tab2);
      break;
    }
  }
  reader.close();
  return result;
}

}  // namespace html
