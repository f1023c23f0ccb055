// The platform services' lines in the UI host's transcript.
#include <string_view>

#include "platform/internal.h"
#include "platform/ui/host.h"

namespace platform::internal {

void note(std::string_view line) { ui::host().note(line); }

}  // namespace platform::internal
