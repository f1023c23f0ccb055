// The author's jump preferences, kept among the project's preference words
// in the data file: "Insert &Test Buttons" after new jumps, and "Allow jumps
// to topics which haven't yet been defined".
#pragma once

#include "project/files/project_data.h"

namespace project {

inline constexpr int kWordTestButtons = 1;
inline constexpr int kWordUndefinedJumps = 2;

inline bool InsertTestButtons(const ProjectData& data) { return data.preferences.words[kWordTestButtons] != 0; }
inline bool AllowUndefinedJumps(const ProjectData& data) { return data.preferences.words[kWordUndefinedJumps] != 0; }

}  // namespace project
