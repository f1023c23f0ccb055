// Related projects files (.rpj): read, written back, and read again to the
// same projects.
#include <cstdlib>
#include <string>

#include "aids/related_projects.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto projects = aids::parse_related_projects(fuzz::as_text(data, size));
  for (const auto& p : projects) aids::related_list_entry(p);
  const auto again = aids::parse_related_projects(aids::render_related_projects(projects));
  // A path or comment with a line break would not come back whole; the
  // reader never makes one, so the round trip must hold.
  if (again.size() != projects.size()) std::abort();
  return 0;
}
