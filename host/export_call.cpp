#include "host/export_call.h"

#include <cstdlib>
#include <cstring>

namespace host {

bool parse_argument(const std::string& word, ExportArgument& out) {
  if (word.rfind("s:", 0) == 0) {
    out.is_text = true;
    out.text = word.substr(2);
    return out.text.size() < kTextBufferSize;
  }
  char* end = nullptr;
  long value = std::strtol(word.c_str(), &end, 0);
  if (word.empty() || *end != '\0') return false;
  out.number = static_cast<std::int32_t>(value);
  return true;
}

// Every export takes 32-bit integers and pointers; on the platforms we run on
// each such argument travels in one integer register or stack slot, so one
// pointer type per argument count reaches them all.
std::int32_t call_export(void* function, std::vector<ExportArgument>& args) {
  std::vector<std::vector<char>> buffers;
  std::intptr_t a[kMaxArguments] = {};
  for (size_t i = 0; i < args.size() && i < kMaxArguments; ++i) {
    if (args[i].is_text) {
      buffers.emplace_back(kTextBufferSize, '\0');
      std::memcpy(buffers.back().data(), args[i].text.data(), args[i].text.size());
      a[i] = reinterpret_cast<std::intptr_t>(buffers.back().data());
    } else {
      a[i] = args[i].number;
    }
  }
  using Fn = std::int32_t (*)(std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t,
                              std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t,
                              std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t);
  auto fn = reinterpret_cast<Fn>(function);
  std::int32_t result = fn(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11]);
  size_t b = 0;
  for (auto& arg : args) {
    if (arg.is_text) {
      arg.text = std::string(buffers[b].data(), strnlen(buffers[b].data(), kTextBufferSize));
      ++b;
    }
  }
  return result;
}

}  // namespace host
