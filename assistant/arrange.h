// "Arrange by Dialog/Window": entries of one dialog come together, dialogs
// in the order of their names, each dialog's entries in their former order.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "assistant/model.h"

namespace assistant {

// The list view's line of an entry: the shown topic ID, TAB, the context
// integer (mode 2: the position plus 10).
std::string list_line(const Model& model, int index);
// What an entry's list line is grouped by: its text up to the second "_"
// ("IDH_" and the dialog identifier), or its topic ID when it has no second "_".
std::string arrange_key(std::string_view line);
// The new order (old indexes) of the entries.
std::vector<int> arranged_order(const Model& model);
void arrange_by_dialog(Model& model);

}  // namespace assistant
