#include "wizard/authoring_settings.h"

#include "wizard/limits.h"
#include "wizard/profile_values.h"

namespace wizard {

AuthoringSettings read_authoring_settings(std::string_view file) {
  constexpr std::string_view kSection = "Tarvenwick";
  AuthoringSettings settings;
  settings.project = read_text(kSection, "PROJECT", "", kAuthoringPathCut, file);
  settings.bitmap_dir = read_text(kSection, "BITMAP_DIR", "", kAuthoringPathCut, file);
  return settings;
}

}  // namespace wizard
