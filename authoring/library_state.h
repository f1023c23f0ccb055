// The authoring library's state: one record per process, built by the first
// InitTW and kept until the library is unloaded. Only the export layer holds
// the instance; everything below takes the narrowest part it needs
// (core::CoreState, project::ProjectState, aids::AidsState).
#pragma once

#include "aids/aids_state.h"

namespace authoring {

struct LibraryState : aids::AidsState {};

}  // namespace authoring
