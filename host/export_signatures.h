// The exports' signatures, read from the public headers at build time: what
// `twhost call` checks arguments against, and the function-pointer types the
// flows call the libraries through.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/libraries.h"
#include "tarvenwick/trvwck32.h"
#include "tarvenwick/twzhtml.h"

namespace host {

// What one parameter of an export takes.
enum class ParameterKind { number, text_buffer, text };

struct ExportArgument;

struct ExportSignature {
  std::string_view library;     // "trvwck32" or "twzhtml"
  std::string_view name;
  std::string_view parameters;  // as the header declares them, e.g. "int32_t window, char* text"
  std::vector<ParameterKind> kinds;
  // Calls the export with arguments of the right kinds and types.
  std::int32_t (*invoke)(void* function, std::vector<ExportArgument>& args);
};

// Every export of both libraries, in header order.
const std::vector<ExportSignature>& export_signatures();
// The signature for a name as `twhost call` takes it ("Name", "twzhtml:Name",
// "trvwck32:Name"); nullptr when no header declares it.
const ExportSignature* find_signature(std::string_view name);
// The parameter names of a signature ("window", "text" ...).
std::vector<std::string> parameter_names(const ExportSignature& signature);

// An export typed as its public header declares it (nullptr when missing).
template <typename Function>
Function typed_export(const Libraries& libs, const std::string& name) {
  return reinterpret_cast<Function>(find_export(libs, name));
}

}  // namespace host

// The export NAME of the loaded libraries with its declared type.
#define TW_EXPORT_FUNCTION(libs, NAME) ::host::typed_export<decltype(&::NAME)>(libs, #NAME)
