// Loading shared libraries by name, as the word processor loads ours.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// The entry point the loader calls, as the system calls a library's entry
// when it maps the library into a process and when it unmaps it:
//   extern "C" int32_t DllMain(void* module, uint32_t reason, void* reserved);
// Attaching returns nonzero when the library is ready; zero fails the load.
inline constexpr const char* kLibraryEntry = "DllMain";
inline constexpr std::uint32_t kProcessDetach = 0;
inline constexpr std::uint32_t kProcessAttach = 1;
using LibraryEntry = std::int32_t (*)(void* module, std::uint32_t reason, void* reserved);

class SharedLibrary {
 public:
  ~SharedLibrary();
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  // Loads with local binding; error receives the loader's message on failure.
  // The first load of a library in the process attaches it; closing its
  // last handle detaches it, so a library loaded again starts afresh.
  static std::unique_ptr<SharedLibrary> open(std::string_view path, std::string& error);
  void* symbol(std::string_view name) const;

 private:
  explicit SharedLibrary(void* handle) : handle_(handle) {}
  void* handle_;
};

}  // namespace platform
