#include "project/topics/browse_numbers.h"

#include "project/project_state.h"
#include "core/messages.h"
#include "platform/text.h"

namespace project {
namespace {

bool all_digits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Reads a setting typed as digits; -1 when it is not a number.
long digits_value(std::string_view s) {
  s = text::trim(s);
  if (!all_digits(s) || s.size() > 9) return -1;
  return text::parse_int(s);
}

bool has_sequence(const Topic& topic) { return topic.browse_sequence >= 0; }

std::int32_t after(const TopicTable& table, const std::vector<int>& order, int position, bool& none) {
  const Topic& topic = table[order[static_cast<size_t>(position)]];
  if (position + 1 >= static_cast<int>(order.size())) return topic.browse_number + table.browse_increment;
  const Topic& next = table[order[static_cast<size_t>(position) + 1]];
  if (!has_sequence(next)) {
    none = true;
    return 0;
  }
  if (next.browse_sequence != topic.browse_sequence) return topic.browse_number + table.browse_increment;
  return topic.browse_number + (next.browse_number - topic.browse_number) / 2;
}

std::int32_t before(const TopicTable& table, const std::vector<int>& order, int position) {
  const Topic& topic = table[order[static_cast<size_t>(position)]];
  if (position == 0) return topic.browse_number - kBeforeFirstStep;
  const Topic& previous = table[order[static_cast<size_t>(position) - 1]];
  if (!has_sequence(previous) || previous.browse_sequence != topic.browse_sequence)
    return topic.browse_number - table.browse_increment;
  return topic.browse_number - (topic.browse_number - previous.browse_number) / 2;
}

}  // namespace

std::string format_browse_text(std::string_view sequence, int width, std::int32_t number) {
  return text::format("%s:%0*ld", std::string(sequence).c_str(), width, static_cast<long>(number));
}

std::string browse_text_of(const TopicTable& table, const Topic& topic) {
  const auto& sequences = table.sequences();
  if (topic.browse_sequence < 0 || topic.browse_sequence >= static_cast<int>(sequences.size())) return {};
  return format_browse_text(sequences[static_cast<size_t>(topic.browse_sequence)], table.browse_width,
                            topic.browse_number);
}

bool parse_browse_text(std::string_view text, std::string& sequence, std::int32_t& number) {
  size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) return false;
  std::string_view name = text::trim(text.substr(0, colon));
  std::string_view digits = text::trim(text.substr(colon + 1));
  if (name.empty() || !all_digits(digits)) return false;
  sequence = std::string(name);
  number = static_cast<std::int32_t>(text::parse_int(text::cut(digits, kMaxBrowseWidth)));
  return true;
}

std::string propose_browse_text(const TopicTable& table, const std::vector<int>& order, int position,
                                Placement placement, bool zero) {
  if (position < 0 || position >= static_cast<int>(order.size())) return {};
  const Topic& topic = table[order[static_cast<size_t>(position)]];
  if (!has_sequence(topic) || topic.browse_sequence >= static_cast<int>(table.sequences().size())) return {};
  bool none = false;
  std::int32_t n = placement == Placement::after ? after(table, order, position, none)
                                                 : before(table, order, position);
  if (none) return {};
  if (n < 0 || zero) n = 0;
  return format_browse_text(table.sequences()[static_cast<size_t>(topic.browse_sequence)], table.browse_width, n);
}

bool zero_browse_proposals(const ProjectData& data) {
  return data.preferences.words[kWordZeroBrowseProposal] != 0;
}

bool ApplyBrowseSettings(ProjectState& state, std::string_view width, std::string_view increment) {
  const long w = digits_value(width);
  if (w < kMinBrowseWidth || w > kMaxBrowseWidth) {
    core::show_message(state, core::resource_string(kMsgBrowseWidth), ui::kMbOk | ui::kMbIconStop);
    return false;
  }
  const long step = digits_value(increment);
  if (step < 1) {
    core::show_message(state, core::resource_string(kMsgBrowseIncrement), ui::kMbOk | ui::kMbIconStop);
    return false;
  }
  TopicTable& table = state.data.topics;
  if (w != table.browse_width) {
    core::show_message(state, core::resource_string(kMsgBrowseWidthChanged),
                       ui::kMbOk | ui::kMbIconInformation);
  }
  if (w != table.browse_width || step != table.browse_increment) state.data_dirty = true;
  table.browse_width = static_cast<int>(w);
  table.browse_increment = static_cast<int>(step);
  return true;
}

}  // namespace project
