// Helpers shared by the platform's own modules; not for the layers above.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform::internal {

// mkdir -p of a host path; true when the folder exists afterwards.
bool make_host_directories(const std::string& host);

// Whole-file read of a host path.
std::optional<std::string> read_host_file(const std::string& host);
// The safe rewrite of a host path under the exclusive lock (see write_file).
bool write_host_file(const std::string& host, std::string_view bytes);

// Notes one line in the UI host's transcript.
void note(std::string_view line);

}  // namespace platform::internal
