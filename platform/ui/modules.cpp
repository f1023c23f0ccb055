// The module registry: each binary registers its embedded resource script
// once and keeps the handle, as a module handle is kept.
#include <memory>
#include <mutex>

#include "platform/text.h"
#include "platform/ui/resources.h"

namespace ui {

namespace {

struct Module {
  std::string name;
  std::string script;
  ResourceSet resources;
  std::vector<std::string> errors;
};

// Modules live until the process ends, so references handed out by
// module_resources stay valid whatever is registered later.
struct Registry {
  std::mutex mutex;
  std::vector<std::unique_ptr<Module>> modules;  // handle = index + 1
};

Registry& registry() {
  static Registry* r = new Registry;  // never destroyed: libraries may look up during exit
  return *r;
}

// The embedded headers as the reader asks for them: by path, without regard
// to case, as the files were found on Windows.
IncludeFiles embedded_files(const char* const* files) {
  return [files](std::string_view path) -> std::optional<std::string> {
    for (const char* const* f = files; f && f[0] && f[1]; f += 2)
      if (text::iequals(f[0], path)) return std::string(f[1]);
    return std::nullopt;
  };
}

const Module* find(std::int32_t handle) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  if (handle < 1 || static_cast<size_t>(handle) > r.modules.size()) return nullptr;
  return r.modules[static_cast<size_t>(handle) - 1].get();
}

}  // namespace

std::int32_t register_module(std::string_view name, std::string_view script,
                             const char* const* files) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  for (size_t i = r.modules.size(); i-- > 0;)
    if (r.modules[i]->name == name && r.modules[i]->script == script)
      return static_cast<std::int32_t>(i + 1);
  auto m = std::make_unique<Module>();
  m->name = std::string(name);
  m->script = std::string(script);
  m->resources = ResourceSet::parse(script, &m->errors, embedded_files(files));
  r.modules.push_back(std::move(m));
  return static_cast<std::int32_t>(r.modules.size());
}

const ResourceSet& module_resources(std::int32_t module) {
  static const ResourceSet empty;
  const Module* m = find(module);
  return m ? m->resources : empty;
}

std::vector<std::string> module_errors(std::int32_t module) {
  const Module* m = find(module);
  return m ? m->errors : std::vector<std::string>{};
}

std::int32_t find_module(std::string_view name) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  for (size_t i = r.modules.size(); i-- > 0;)
    if (r.modules[i]->name == name) return static_cast<std::int32_t>(i + 1);
  return 0;
}

std::string load_string(std::int32_t module, int id) {
  const std::string* s = module_resources(module).string(id);
  return s ? *s : std::string();
}

}  // namespace ui
