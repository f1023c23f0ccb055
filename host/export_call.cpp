#include "host/export_call.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "host/progress.h"

namespace host {
namespace {

constexpr std::string_view kTextPrefix = "s:";

std::string_view kind_name(ParameterKind kind) {
  return kind == ParameterKind::number ? "a number" : "text (s:TEXT)";
}

bool parse_number(const std::string& word, std::int32_t& out) {
  if (word.empty()) return false;
  char* end = nullptr;
  errno = 0;
  long long value = std::strtoll(word.c_str(), &end, 0);
  if (*end != '\0' || errno == ERANGE || value < INT32_MIN || value > UINT32_MAX) return false;
  out = static_cast<std::int32_t>(value);  // 0xFFFFFFFF is -1, as a window handle
  return true;
}

bool parse_one(ParameterKind kind, const std::string& word, ExportArgument& out) {
  bool is_text = word.rfind(kTextPrefix, 0) == 0;
  if (kind == ParameterKind::number) return !is_text && parse_number(word, out.number);
  if (!is_text) return false;
  out.is_text = true;
  out.text = word.substr(kTextPrefix.size());
  if (out.text.size() >= kTextBufferSize) return false;
  out.buffer.assign(kTextBufferSize, '\0');
  std::memcpy(out.buffer.data(), out.text.data(), out.text.size());
  return true;
}

}  // namespace

bool parse_arguments(const ExportSignature& signature, const std::vector<std::string>& words,
                     std::vector<ExportArgument>& out, std::string& error) {
  const std::vector<std::string> names = parameter_names(signature);
  const std::string call = std::string(signature.name) + "(" + std::string(signature.parameters) + ")";
  if (words.size() < signature.kinds.size()) {
    error = "missing argument " + std::to_string(words.size() + 1) + " (" + names[words.size()] +
            ") of " + call;
    return false;
  }
  if (words.size() > signature.kinds.size()) {
    error = std::string(signature.name) + " takes " + counted(signature.kinds.size(), "argument") +
            ", not " + std::to_string(words.size()) + ": " + call;
    return false;
  }
  out.assign(words.size(), {});
  for (size_t i = 0; i < words.size(); ++i) {
    if (!parse_one(signature.kinds[i], words[i], out[i])) {
      bool too_long = words[i].rfind(kTextPrefix, 0) == 0 && signature.kinds[i] != ParameterKind::number;
      error = "argument " + std::to_string(i + 1) + " (" + names[i] + ") of " +
              std::string(signature.name) + " must be " + std::string(kind_name(signature.kinds[i])) +
              (too_long ? " shorter than " + std::to_string(kTextBufferSize) + " bytes" : "") +
              ", not '" + words[i].substr(0, 40) + "'";
      return false;
    }
  }
  return true;
}

std::int32_t call_export(const ExportSignature& signature, void* function,
                         std::vector<ExportArgument>& args) {
  std::int32_t result = signature.invoke(function, args);
  for (auto& arg : args) {
    if (arg.is_text) arg.text.assign(arg.buffer.data(), strnlen(arg.buffer.data(), arg.buffer.size()));
  }
  return result;
}

}  // namespace host
