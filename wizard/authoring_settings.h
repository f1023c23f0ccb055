// TRVWCK6.INI: the authoring library's settings, of which the conversion
// library reads the current help project and the bitmap directory.
#pragma once
#include <string>
#include <string_view>

#include "formats/profile_key_names.h"

namespace wizard {

// The authoring library's settings file (Windows directory).
inline constexpr std::string_view kAuthoringSettingsFile = profile_keys::kAuthoringFile;

// The keys of TRVWCK6.INI, section "Tarvenwick", this library reads.
struct AuthoringSettings {
  std::string project;     // "PROJECT": the current help project (.hpj)
  std::string bitmap_dir;  // "BITMAP_DIR": the stock bitmaps
  bool operator==(const AuthoringSettings&) const = default;
};

// Both keys, empty when missing.
AuthoringSettings read_authoring_settings(std::string_view file = kAuthoringSettingsFile);

}  // namespace wizard
