// The folder a publish writes its pages into. Everything written there is
// the run's own output: a symbolic link found in its place (planted or left
// over) is replaced by the new file and never written through, so that a
// publish changes nothing outside the folder.
#pragma once
#include <string_view>

namespace platform {

// Names the output folder of this process ("" for none); a later call
// replaces the earlier folder. A run names its folder when it starts and ""
// when it ends: while it runs, the pages it creates there are created
// without a look at the folder, trusting the listing of the folder taken at
// the run's first create, so that changes made there between runs are seen.
void set_output_folder(std::string_view folder);

}  // namespace platform
