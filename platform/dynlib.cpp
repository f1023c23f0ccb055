// Loading shared libraries by name.
#include "platform/dynlib.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>

#include <map>
#include <mutex>

#include "platform/paths.h"

namespace platform {
namespace {

// Open handles per library: the system attaches a library when it first
// maps it and detaches it when the last handle goes.
std::mutex& loads_mutex() {
  static std::mutex m;
  return m;
}
std::map<void*, int>& open_handles() {
  static std::map<void*, int> handles;
  return handles;
}

// The library's own entry point; the loader's lookup would also find one in
// a library it depends on, which is not this library's to call.
LibraryEntry own_entry(void* handle) {
  void* symbol = dlsym(handle, kLibraryEntry);
  link_map* map = nullptr;
  Dl_info info{};
  if (!symbol || dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map || !dladdr(symbol, &info) ||
      !info.dli_fname || !map->l_name || std::strcmp(info.dli_fname, map->l_name) != 0)
    return nullptr;
  return reinterpret_cast<LibraryEntry>(symbol);
}

bool call_entry(void* handle, std::uint32_t reason) {
  LibraryEntry entry = own_entry(handle);
  return !entry || entry(handle, reason, nullptr) != 0;
}

// Counts a handle in; the first one attaches the library.
bool attach(void* handle) {
  std::lock_guard<std::mutex> lock(loads_mutex());
  int& count = open_handles()[handle];
  if (++count > 1) return true;
  if (call_entry(handle, kProcessAttach)) return true;
  open_handles().erase(handle);
  return false;
}

// Counts a handle out; the last one detaches the library.
void detach(void* handle) {
  std::lock_guard<std::mutex> lock(loads_mutex());
  auto it = open_handles().find(handle);
  if (it == open_handles().end() || --it->second > 0) return;
  open_handles().erase(it);
  call_entry(handle, kProcessDetach);
}

}  // namespace

SharedLibrary::~SharedLibrary() {
  if (!handle_) return;
  detach(handle_);
  dlclose(handle_);
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
  // from their start-up); unloading one mid-run would buy nothing. Our own
  // libraries drop their state when detached instead (their entry point).
  void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!handle) {
    const char* message = dlerror();
    error = message ? message : "cannot load " + name;
    return nullptr;
  }
  if (!attach(handle)) {
    dlclose(handle);
    error = name + ": the library failed to start";
    return nullptr;
  }
  return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle));
}

void* SharedLibrary::symbol(std::string_view name) const {
  return dlsym(handle_, std::string(name).c_str());
}

}  // namespace platform
