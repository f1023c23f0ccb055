#include "host/libraries.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/program.h"

namespace host {

std::string library_folder() {
  std::string exe_dir(platform::directory_of(platform::executable_path()));
  // Build tree: host/twhost beside ../libtrvwck32.so; installed (wherever the
  // prefix went): bin/twhost beside ../lib.
  for (const std::string& dir : {exe_dir + "/..", exe_dir + "/" + TW_BIN_TO_LIBDIR,
                                 std::string(TW_INSTALL_LIBDIR), std::string(TW_BUILD_LIBDIR)}) {
    if (platform::file_exists(dir + "/libtrvwck32.so")) return dir;
  }
  return exe_dir + "/..";
}

bool load_libraries(Libraries& libs, std::string& error) {
  const std::string dir = library_folder();
  std::string why;
  libs.authoring = platform::SharedLibrary::open(dir + "/libtrvwck32.so", why);
  if (!libs.authoring) {
    error = "cannot load libtrvwck32.so: " + why;
    return false;
  }
  libs.conversion = platform::SharedLibrary::open(dir + "/libtwzhtml.so", why);
  if (!libs.conversion) {
    error = "cannot load libtwzhtml.so: " + why;
    return false;
  }
  return true;
}

void* find_export(const Libraries& libs, const std::string& name) {
  auto colon = name.find(':');
  if (colon != std::string::npos) {
    std::string lib = name.substr(0, colon), symbol = name.substr(colon + 1);
    if (lib == "twzhtml" && libs.conversion) return libs.conversion->symbol(symbol);
    if (lib == "trvwck32" && libs.authoring) return libs.authoring->symbol(symbol);
    return nullptr;
  }
  if (libs.authoring) {
    if (void* f = libs.authoring->symbol(name)) return f;
  }
  return libs.conversion ? libs.conversion->symbol(name) : nullptr;
}

}  // namespace host
