#include "assistant/entries.h"

#include <cerrno>
#include <cstdlib>

namespace assistant {

std::string_view entry_id(std::string_view entry) {
  return entry.substr(0, entry.find('='));
}

std::string_view entry_context(std::string_view entry) {
  size_t equals = entry.find('=');
  if (equals == std::string_view::npos) return {};
  std::string_view rest = entry.substr(equals + 1);
  return rest.substr(0, rest.find('|'));
}

std::string_view entry_popup(std::string_view entry) {
  size_t equals = entry.find('=');
  if (equals == std::string_view::npos) return {};
  size_t bar = entry.find('|', equals + 1);
  return bar == std::string_view::npos ? std::string_view() : entry.substr(bar + 1);
}

bool entry_complete(std::string_view entry) {
  size_t equals = entry.find('=');
  return equals != std::string_view::npos && entry.find('|', equals + 1) != std::string_view::npos;
}

std::optional<long> read_number(std::string_view text) {
  std::string s(text);
  const char* begin = s.c_str();
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(begin, &end, 10);
  if (end == begin || errno == ERANGE) return std::nullopt;
  return value;
}

std::optional<long> entry_number(std::string_view entry) {
  return read_number(entry_context(entry));
}

std::string shown_id(std::string_view entry, IdSource mode) {
  std::string id(entry_id(entry));
  return mode == IdSource::include_file ? id : std::string(kIdPrefix) + id;
}

std::string make_entry(std::string_view dialog, std::string_view control,
                       std::string_view context, std::string_view popup) {
  std::string out;
  out.append(dialog).append("_").append(control).append("=");
  out.append(context).append("|").append(popup);
  return out;
}

std::string make_include_entry(std::string_view id, std::string_view popup) {
  std::string out(id);
  out.append("=--|").append(popup);
  return out;
}

IdParts split_id(std::string_view id) {
  size_t underscore = id.find('_');
  if (underscore == std::string_view::npos) return {std::string(id), {}};
  return {std::string(id.substr(0, underscore)), std::string(id.substr(underscore + 1))};
}

}  // namespace assistant
