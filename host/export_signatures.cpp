#include "host/export_signatures.h"

#include <utility>

#include "host/export_call.h"
#include "platform/text.h"

namespace host {
namespace {

template <typename T>
constexpr ParameterKind kind_of();
template <>
constexpr ParameterKind kind_of<std::int32_t>() { return ParameterKind::number; }
template <>
constexpr ParameterKind kind_of<char*>() { return ParameterKind::text_buffer; }
template <>
constexpr ParameterKind kind_of<const char*>() { return ParameterKind::text; }

template <typename T>
T pass(ExportArgument& arg) {
  if constexpr (std::is_same_v<T, std::int32_t>) return arg.number;
  else return arg.buffer.data();
}

template <typename... A>
std::int32_t invoke(void* function, std::vector<ExportArgument>& args) {
  auto typed = reinterpret_cast<std::int32_t (*)(A...)>(function);
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    return typed(pass<A>(args[I])...);
  }(std::index_sequence_for<A...>{});
}

template <typename... A>
ExportSignature signature(std::string_view library, std::string_view name,
                          std::string_view parameters, std::int32_t (*)(A...)) {
  return {library, name, parameters, {kind_of<A>()...}, &invoke<A...>};
}

// The one name the two libraries export with different parameters: the
// headers show the authoring library's GetLang, so the conversion library's
// (eight buffers) is typed here.
using ConversionGetLang = std::int32_t (*)(char*, char*, char*, char*, char*, char*, char*, char*);

std::vector<ExportSignature> with_conversion_get_lang(std::vector<ExportSignature> table) {
  for (ExportSignature& s : table) {
    if (s.library == "twzhtml" && s.name == "GetLang") {
      s = signature(s.library, s.name, s.parameters, static_cast<ConversionGetLang>(nullptr));
    }
  }
  return table;
}

}  // namespace

const std::vector<ExportSignature>& export_signatures() {
#define TW_EXPORT(library, name, parameters) \
  signature(#library, #name, parameters, static_cast<decltype(&::name)>(nullptr)),
  static const std::vector<ExportSignature> table = with_conversion_get_lang({
#include "host/export_table.inc"
  });
#undef TW_EXPORT
  return table;
}

const ExportSignature* find_signature(std::string_view name) {
  std::string_view library;
  if (auto colon = name.find(':'); colon != std::string_view::npos) {
    library = name.substr(0, colon);
    name = name.substr(colon + 1);
  }
  for (const auto& s : export_signatures()) {
    if (s.name == name && (library.empty() || s.library == library)) return &s;
  }
  return nullptr;
}

std::vector<std::string> parameter_names(const ExportSignature& signature) {
  std::vector<std::string> names;
  if (signature.kinds.empty()) return names;
  for (const auto& parameter : text::split(signature.parameters, ',')) {
    std::string_view p = text::trim(parameter);
    auto start = p.find_last_of(" *");
    names.emplace_back(start == std::string_view::npos ? p : p.substr(start + 1));
  }
  return names;
}

}  // namespace host
