// Facts about the running program.
#pragma once
#include <string>

namespace platform {

// Host path of the running executable ("" when unknown).
std::string executable_path();

// Host path of the folder holding the platform library (where the modules
// it loads at run time sit beside it); "" when unknown.
std::string platform_library_folder();

}  // namespace platform
