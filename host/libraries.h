// Finding and loading the two libraries, as the word processor does.
#pragma once
#include <memory>
#include <string>

#include "platform/dynlib.h"

namespace host {

// The folder that holds libtrvwck32.so and libtwzhtml.so: next to the
// program in the build tree, or the installed library folder.
std::string library_folder();

struct Libraries {
  std::unique_ptr<platform::SharedLibrary> authoring;   // trvwck32
  std::unique_ptr<platform::SharedLibrary> conversion;  // twzhtml
};

// Loads both libraries; error says which failed and why.
bool load_libraries(Libraries& libs, std::string& error);

// An export by name: "twzhtml:Name" or "trvwck32:Name" picks the library,
// a bare name is looked up in trvwck32 first.
void* find_export(const Libraries& libs, const std::string& name);

}  // namespace host
