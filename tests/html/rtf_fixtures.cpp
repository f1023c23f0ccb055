#include "html/rtf_fixtures.h"

#include "support/test_support.h"

namespace tw_test {

BraceBalance brace_balance(std::string_view rtf) {
  BraceBalance b;
  for (std::size_t p = 0; p < rtf.size(); ++p) {
    if (rtf[p] == '\\') {
      ++p;
    } else if (rtf[p] == '{') {
      ++b.end;
    } else if (rtf[p] == '}') {
      --b.end;
      if (b.end < b.lowest) b.lowest = b.end;
    }
  }
  return b;
}

std::string html_fixture(std::string_view name) {
  return read_file(std::string(TW_TEST_DATA) + "/html/" + std::string(name));
}

std::size_t count_of(std::string_view hay, std::string_view needle) {
  std::size_t n = 0;
  for (std::size_t p = hay.find(needle); p != std::string_view::npos; p = hay.find(needle, p + 1))
    ++n;
  return n;
}

}  // namespace tw_test
