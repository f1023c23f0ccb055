// Starting a program of the host that knows nothing of drives.
#pragma once
#include <string_view>

#include "platform/process.h"

namespace platform {

// start_program for an outside program (the HTML Help compiler): every
// argument in the drive form (c:\...) reaches it as its host path. The
// installation's own programs read the system's paths themselves and get
// them as given from start_program.
StartResult start_outside_program(std::string_view command_line, int show,
                                  std::string_view working_directory = {});

}  // namespace platform
