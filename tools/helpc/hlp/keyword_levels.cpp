#include "tools/helpc/hlp/keyword_levels.h"

#include <algorithm>
#include <cctype>

#include "platform/text.h"

namespace hlp {
namespace {

int compare_folded(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int x = std::tolower(static_cast<unsigned char>(a[i]));
    const int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

KeywordLevels keyword_levels(std::string_view keyword) {
  keyword = text::trim(keyword);
  const std::size_t at = keyword.find_first_of(":,");
  if (at != std::string_view::npos) {
    std::string_view first = text::trim(keyword.substr(0, at));
    std::string_view sub = text::trim(keyword.substr(at + 1));
    if (!first.empty() && !sub.empty())
      return KeywordLevels{std::string(first), std::string(sub), keyword[at] == ':' ? ":" : ", "};
  }
  return KeywordLevels{std::string(keyword), {}, {}};
}

std::string stored_keyword(const KeywordLevels& levels) {
  return levels.sub.empty() ? levels.first : levels.first + levels.separator + levels.sub;
}

bool keyword_before(const KeywordLevels& a, const KeywordLevels& b) {
  const int first = compare_folded(a.first, b.first);
  if (first != 0) return first < 0;
  return compare_folded(a.sub, b.sub) < 0;
}

}  // namespace hlp
