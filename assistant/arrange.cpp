#include "assistant/arrange.h"

#include <algorithm>
#include <numeric>

#include "platform/text.h"

namespace assistant {

std::string list_line(const Model& model, int index) {
  std::string_view entry = model.entry(index);
  std::string number = model.mode == IdSource::include_file ? std::to_string(index + 10)
                                                            : std::string(entry_context(entry));
  return shown_id(entry, model.mode) + "\t" + number;
}

std::string arrange_key(std::string_view line) {
  std::string_view id = line.substr(0, line.find('\t'));
  size_t first = id.find('_');
  size_t second = first == std::string_view::npos ? first : id.find('_', first + 1);
  return std::string(second == std::string_view::npos ? id : id.substr(0, second));
}

// Keys compare as text; equal keys keep their positions' order, however
// many entries there are.
std::vector<int> arranged_order(const Model& model) {
  std::vector<std::string> keys;
  for (int i = 0; i < model.count(); ++i) keys.push_back(arrange_key(list_line(model, i)));
  std::vector<int> order(keys.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return text::to_upper(keys[a]) < text::to_upper(keys[b]); });
  return order;
}

void arrange_by_dialog(Model& model) { model.reorder(arranged_order(model)); }

}  // namespace assistant
