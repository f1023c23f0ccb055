// What the assistant writes from its entries: the header file mapping each
// topic ID to its context integer, the RTF topic file with one popup topic
// per entry, and the test project. Lines end with CR LF.
#pragma once
#include <string>
#include <string_view>

#include "assistant/model.h"

namespace assistant {

std::string header_text(const Model& model);
// The RTF topic file; "" when there are no entries.
std::string rtf_text(const Model& model);
std::string test_project_text(std::string_view rtf_path, std::string_view header_path);

// Writes the RTF file (when there are entries) to rtf_path and the header
// file beside it with the extension ".h"; false when a file could not be
// written.
bool write_outputs(const Model& model, std::string_view rtf_path);

}  // namespace assistant
