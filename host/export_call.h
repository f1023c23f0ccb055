// Calling any export by name with arguments given as text, for `twhost call`.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace host {

// One argument: a 32-bit integer, or a text buffer ("s:TEXT") that the export
// may overwrite.
struct ExportArgument {
  bool is_text = false;
  std::int32_t number = 0;
  std::string text;  // the buffer's content after the call
};

// Parses "s:TEXT" as a text buffer and anything else as a decimal integer;
// false for an argument that is neither.
bool parse_argument(const std::string& word, ExportArgument& out);

// Buffer size for text arguments: room for the longest text any export writes.
inline constexpr size_t kTextBufferSize = 4096;
// Most arguments an export takes.
inline constexpr size_t kMaxArguments = 12;

// Calls function with the arguments (integers and buffers, in order) and
// returns its result; text arguments receive their buffers' content.
std::int32_t call_export(void* function, std::vector<ExportArgument>& args);

}  // namespace host
