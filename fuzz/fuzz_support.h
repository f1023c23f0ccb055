// What every harness shares: a temporary root folder the process owns (the
// Windows directory and drive c:, also the current directory), a headless UI
// host, and whole-file helpers inside that folder. Nothing is written
// outside it; it is removed when the harness exits.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

// Sets up the root folder once; returns its host path.
const std::string& root();
// root() + "/" + relative
std::string in_root(std::string_view relative);
// Writes bytes to a file under the root (folders made as needed).
void put_file(std::string_view relative, std::string_view bytes);
// A fresh headless host, so that transcripts do not grow run after run.
void fresh_host();
// Opens and closes the run of one input. An input must free what it
// allocates: after one that does not, libFuzzer runs it again and scans the
// whole heap for leaks, which costs more than most inputs. So at its end the
// scope drops what the input left in the process (the headless host and its
// transcript, and the profile cache unless kept), giving the next input the
// fresh host. A harness whose profile files are the same for every input
// keeps the cache: it then holds the same files after each input.
enum class ProfileCache { dropped, kept };
class InputScope {
 public:
  explicit InputScope(ProfileCache cache = ProfileCache::dropped);
  ~InputScope();
  InputScope(const InputScope&) = delete;
  InputScope& operator=(const InputScope&) = delete;

 private:
  ProfileCache cache_;
};
// Stops the harness where a property it checks does not hold, so that
// libFuzzer keeps the input as a finding.
inline void check(bool ok) {
  if (!ok) std::abort();
}
// The input as text.
inline std::string_view as_text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz
