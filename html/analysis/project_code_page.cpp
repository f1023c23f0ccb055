#include "html/analysis/project_code_page.h"

#include <cstdlib>
#include <string>

#include "platform/profile.h"
#include "rtf/code_page.h"

namespace html {

int project_code_page(std::string_view hpj_path) {
  if (hpj_path.empty()) return rtf::kDefaultCodePage;
  // "LCID=0x419 0x0 0x0": the first number is the locale.
  std::string lcid = platform::get_profile_string("OPTIONS", "LCID", "", 64, hpj_path);
  if (lcid.empty()) return rtf::kDefaultCodePage;
  long value = std::strtol(lcid.c_str(), nullptr, 0);
  return value > 0 ? rtf::code_page_of_lcid(static_cast<int>(value)) : rtf::kDefaultCodePage;
}

}  // namespace html
