// Loading shared libraries by name.
#include "platform/dynlib.h"

#include <dlfcn.h>

#include "platform/paths.h"

namespace platform {

SharedLibrary::~SharedLibrary() {
  if (handle_) dlclose(handle_);
}

std::unique_ptr<SharedLibrary> SharedLibrary::open(std::string_view path, std::string& error) {
  error.clear();
  // A name with a folder is a system path; a bare name goes to the loader's search.
  bool has_folder = path.find_first_of("\\/") != std::string_view::npos ||
                    (path.size() >= 2 && path[1] == ':');
  std::string name = has_folder ? to_host_path(path) : std::string(path);
  dlerror();
  // RTLD_NODELETE: a library stays mapped after its handle closes, with the
  // libraries it pulled in (the image library's own dependencies keep state
  // from their start-up); unloading one mid-run would buy nothing.
  void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!handle) {
    const char* message = dlerror();
    error = message ? message : "cannot load " + name;
    return nullptr;
  }
  return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle));
}

void* SharedLibrary::symbol(std::string_view name) const {
  return dlsym(handle_, std::string(name).c_str());
}

}  // namespace platform
