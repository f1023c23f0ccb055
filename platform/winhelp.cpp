// The help viewer call (WinHelp).
#include "platform/winhelp.h"

#include <string>

#include "platform/internal.h"
#include "platform/process.h"
#include "platform/product_help.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace platform {

int win_help(std::int32_t window, std::string_view file, int command, std::uint32_t data) {
  internal::note(text::format("winhelp \"%.*s\" command=%d data=%u", static_cast<int>(file.size()),
                              file.data(), command, static_cast<unsigned>(data)));
  if (auto folder = product_help_folder(file)) {
    if (auto page = product_help_page(*folder, command, data)) return show_product_help_page(*page);
  }
  std::string viewer = get_profile_string("Platform", "help viewer", "", 1024, "win.ini");
  if (!viewer.empty()) {
    start_program(viewer + " " + quote_argument(file) + " " + std::to_string(command) + " " +
                      std::to_string(data),
                  kShowNormal);
  }
  return 1;
}

int win_help_text(std::int32_t window, std::string_view file, int command, std::string_view data) {
  std::string quoted;  // the transcript writes a double quote inside a text as \"
  for (char c : data) {
    if (c == '"') quoted += '\\';
    quoted += c;
  }
  internal::note(text::format("winhelp \"%.*s\" command=%d data=\"%s\"", static_cast<int>(file.size()),
                              file.data(), command, quoted.c_str()));
  if (auto folder = product_help_folder(file)) {
    if (auto page = product_help_page(*folder, command, data)) return show_product_help_page(*page);
  }
  std::string viewer = get_profile_string("Platform", "help viewer", "", 1024, "win.ini");
  if (!viewer.empty()) {
    start_program(viewer + " " + quote_argument(file) + " " + std::to_string(command) + " " +
                      quote_argument(data),
                  kShowNormal);
  }
  return 1;
}

}  // namespace platform
