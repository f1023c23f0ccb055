// Calling any export by name with arguments given as text, for `twhost call`.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/export_signatures.h"

namespace host {

// One argument: a 32-bit integer, or a text buffer ("s:TEXT") that the export
// may overwrite.
struct ExportArgument {
  bool is_text = false;
  std::int32_t number = 0;
  std::string text;               // the buffer's content after the call
  std::vector<char> buffer;       // the buffer the export gets
};

// Buffer size for text arguments: room for the longest text any export writes.
inline constexpr size_t kTextBufferSize = 4096;

// A caller-owned text buffer an export may fill, holding text to begin with
// (cut to fit).
struct TextBuffer {
  char text[kTextBufferSize] = "";
  explicit TextBuffer(std::string_view start = {}) {
    start = start.substr(0, kTextBufferSize - 1);
    start.copy(text, start.size());
  }
};

// Reads the words of `twhost call NAME WORD...` against the export's
// signature; false with error naming the argument that does not fit.
bool parse_arguments(const ExportSignature& signature, const std::vector<std::string>& words,
                     std::vector<ExportArgument>& out, std::string& error);

// Calls the export with parsed arguments; text arguments receive their
// buffers' content.
std::int32_t call_export(const ExportSignature& signature, void* function,
                         std::vector<ExportArgument>& args);

}  // namespace host
