#include "wizard/authoring_settings.h"

#include "formats/profile_key_names.h"
#include "wizard/limits.h"
#include "wizard/profile_values.h"

namespace wizard {

AuthoringSettings read_authoring_settings(std::string_view file) {
  constexpr std::string_view kSection = profile_keys::kAuthoringSection;
  AuthoringSettings settings;
  settings.project = read_text(kSection, profile_keys::kProject, "", kAuthoringPathCut, file);
  settings.bitmap_dir = read_text(kSection, "BITMAP_DIR", "", kAuthoringPathCut, file);
  return settings;
}

}  // namespace wizard
