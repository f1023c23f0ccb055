#include "html/analysis/project_code_page.h"

#include <cstdlib>
#include <string>

#include "rtf/code_page.h"

namespace html {

int project_code_page(std::string_view lcid) {
  if (lcid.empty()) return rtf::kDefaultCodePage;
  const std::string value_text(lcid);
  long value = std::strtol(value_text.c_str(), nullptr, 0);
  return value > 0 ? rtf::code_page_of_lcid(static_cast<int>(value)) : rtf::kDefaultCodePage;
}

}  // namespace html
