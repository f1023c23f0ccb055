#include "project/files/context_rules.h"

#include "platform/text.h"

namespace project {

bool valid_context_chars(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '.' || c == '_';
    if (!ok) return false;
  }
  return true;
}

bool valid_context_number(long number) {
  return number == kNoNumber || (number >= 0 && number <= kMaxContextNumber);
}

int context_in_use(const TopicTable& table, std::string_view name, int except) {
  for (int i = 0; i < table.count(); ++i) {
    if (i != except && table[i].live() && text::iequals(table[i].name(), name)) return i;
  }
  return -1;
}

int unique_prefix_length(int word_version) { return word_version >= 6 ? 40 : 20; }

int prefix_clash(const TopicTable& table, std::string_view name, int length, int except) {
  const auto n = static_cast<size_t>(length);
  if (name.size() <= n) return -1;
  for (int i = 0; i < table.count(); ++i) {
    std::string_view other = table[i].name();
    if (i == except || !table[i].live() || other.size() < n) continue;
    if (text::iequals(other.substr(0, n), name.substr(0, n))) return i;
  }
  return -1;
}

}  // namespace project
