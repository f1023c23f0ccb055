#include "wizard/profile_values.h"

#include <algorithm>

#include "platform/profile.h"
#include "platform/text.h"

namespace wizard {

namespace {

int buffer_size(std::size_t cut) { return static_cast<int>(cut) + 1; }

bool enclosed_in_quotes(std::string_view value) {
  if (value.size() < 2) return false;
  char first = value.front();
  return (first == '"' || first == '\'') && value.back() == first;
}

}  // namespace

std::string read_text(std::string_view section, std::string_view key,
                      std::string_view default_value, std::size_t cut,
                      std::string_view file) {
  return platform::get_profile_string(section, key, default_value, buffer_size(cut), file);
}

int read_number(std::string_view section, std::string_view key, int default_value,
                std::string_view file) {
  return platform::get_profile_int(section, key, default_value, file);
}

std::string storable_value(std::string_view value) {
  std::string out(value);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  if (enclosed_in_quotes(out)) out = "\"" + out + "\"";
  return out;
}

bool write_text(std::string_view section, std::string_view key, std::string_view value,
                std::string_view file) {
  std::string stored = storable_value(value);
  return platform::write_profile_string(section, key, std::string_view(stored), file);
}

bool write_number(std::string_view section, std::string_view key, long value,
                  std::string_view file) {
  std::string stored = text::format("%ld", value);
  return platform::write_profile_string(section, key, std::string_view(stored), file);
}

bool clear_section(std::string_view section, std::string_view file) {
  return platform::write_profile_string(section, std::nullopt, std::nullopt, file);
}

bool flush_profile(std::string_view file) {
  return platform::write_profile_string(std::nullopt, std::nullopt, std::nullopt, file);
}

std::vector<std::string> read_key_names(std::string_view section, std::size_t list_cut,
                                        std::string_view file) {
  std::string list;
  int size = buffer_size(list_cut);
  int count = platform::get_profile_string(section, std::nullopt, "", list, size, file);
  std::vector<std::string> names;
  std::size_t start = 0;
  std::size_t end = std::min<std::size_t>(static_cast<std::size_t>(count), list.size());
  for (std::size_t i = 0; i < end; ++i) {
    if (list[i] != '\0') continue;
    if (i > start) names.emplace_back(list.substr(start, i - start));
    start = i + 1;
  }
  // A complete list ends each name with '\0'; text after the last one is a
  // name the buffer cut, which would not find its value.
  if (count == size - 2) return names;
  if (start < end) names.emplace_back(list.substr(start, end - start));
  return names;
}

}  // namespace wizard
