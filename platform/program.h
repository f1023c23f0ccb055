// Facts about the running program.
#pragma once
#include <string>

namespace platform {

// Host path of the running executable ("" when unknown).
std::string executable_path();

}  // namespace platform
