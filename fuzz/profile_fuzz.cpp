// Profile files (settings, option files, wizard projects): reads every
// section and key a damaged file names, then edits it, through the same
// functions the libraries use.
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/profile.h"

namespace {

// The names in a '\0'-separated list.
std::vector<std::string> names_of(const std::string& list) {
  std::vector<std::string> names;
  for (size_t at = 0; at < list.size() && list[at] != '\0';) {
    size_t end = list.find('\0', at);
    if (end == std::string::npos) end = list.size();
    names.push_back(list.substr(at, end - at));
    at = end + 1;
  }
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::root();
  const std::string file = "c:\\fuzz.ini";
  fuzz::put_file("fuzz.ini", fuzz::as_text(data, size));
  // The cache keeps what it read by file time: drop it so the new bytes count.
  platform::write_profile_string(std::nullopt, std::nullopt, std::nullopt, file);
  std::string out;
  platform::get_profile_string(std::nullopt, std::nullopt, "", out, 4096, file);
  const auto sections = names_of(out);
  // A few of each: every read looks at the file again.
  for (size_t s = 0; s < sections.size() && s < 8; ++s) {
    platform::get_profile_string(sections[s], std::nullopt, "", out, 4096, file);
    const auto keys = names_of(out);
    for (size_t k = 0; k < keys.size() && k < 8; ++k) {
      platform::get_profile_string(sections[s], keys[k], "d", out, 7, file);
      platform::get_profile_int(sections[s], keys[k], -1, file);
    }
  }
  if (!sections.empty()) {
    // A key written to a section the file has reads back as written.
    platform::write_profile_string(sections.front(), "Fuzz", " value ", file,
                                   platform::Durability::unflushed);
    platform::write_profile_string(std::nullopt, std::nullopt, std::nullopt, file);
    if (platform::get_profile_string(sections.front(), "Fuzz", "", 64, file) != "value") abort();
    platform::write_profile_string(sections.back(), std::nullopt, std::nullopt, file,
                                   platform::Durability::unflushed);
  }
  return 0;
}
