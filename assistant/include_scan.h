// The topic IDs an include file offers (mode 2): the names of its
// "#define" lines and the first words of its other plain lines, in file
// order, outside comment blocks.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "assistant/model.h"

namespace assistant {

std::vector<std::string> scan_include_text(std::string_view bytes);
// A missing file offers no names.
std::vector<std::string> scan_include_file(std::string_view path);
// True when an entry of the model uses name as its topic ID.
bool id_in_use(const Model& model, std::string_view name);

}  // namespace assistant
