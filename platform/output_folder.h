// The folder a publish writes its pages into. Everything written there is
// the run's own output: a symbolic link found in its place (planted or left
// over) is replaced by the new file and never written through, so that a
// publish changes nothing outside the folder.
#pragma once
#include <string_view>

namespace platform {

// Names the output folder of this process ("" for none); a later call
// replaces the earlier folder.
void set_output_folder(std::string_view folder);

}  // namespace platform
