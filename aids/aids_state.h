// The writing aids' part of the library state: which sorted keyword caches
// are valid.
#pragma once

#include "aids/keyword_files.h"
#include "project/project_state.h"

namespace aids {

struct AidsState : project::ProjectState {
  KeywordState keywords;
};

}  // namespace aids
