// Loading shared libraries by name, as the word processor loads ours.
#pragma once
#include <memory>
#include <string>
#include <string_view>

namespace platform {

class SharedLibrary {
 public:
  ~SharedLibrary();
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  // Loads with local binding; error receives the loader's message on failure.
  static std::unique_ptr<SharedLibrary> open(std::string_view path, std::string& error);
  void* symbol(std::string_view name) const;

 private:
  explicit SharedLibrary(void* handle) : handle_(handle) {}
  void* handle_;
};

}  // namespace platform
