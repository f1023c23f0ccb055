// The wizard's small readers of typed and stored text: the recent-project
// list, a colour typed by number, the Home button's value, the clean-ups of
// the caller's text. The input is split at the first NUL into two texts.
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "wizard/dialogs/colour_number_dialog.h"
#include "wizard/projects/new_project.h"
#include "wizard/projects/recent_projects.h"
#include "wizard/text_fixes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(fuzz::as_text(data, size));
  const std::size_t nul = input.find('\0');
  const std::string first = input.substr(0, nul);
  const std::string second = nul == std::string::npos ? std::string() : input.substr(nul + 1);

  auto entries = wizard::recent_projects(first);
  const std::string list = wizard::recent_projects_with_first(
      second, entries, [](std::string_view) { return true; });
  if (list.size() > second.size() + 2000) __builtin_trap();  // the list keeps its stored length

  if (auto colour = wizard::colour_from_number(first)) {
    if (*wizard::colour_from_number(wizard::colour_number_text(*colour)) != *colour) __builtin_trap();
  }
  wizard::replace_home_address(first, second);
  if (wizard::fix_string(first).size() > first.size()) __builtin_trap();
  wizard::fix_file_name(second);
  return 0;
}
