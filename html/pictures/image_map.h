// Client-side image maps for hotspot graphics: one AREA per hotspot that
// leads to a page of this site.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "html/pictures/shg_file.h"

namespace html {

struct ConversionRun;

// The map's name: the graphic's file name without folder and extension.
std::string image_map_name(std::string_view shg_path);

// "<MAP NAME=...>", an AREA for each hotspot bound to a context string some
// page carries, the default area and "</MAP>", each line ending in CR LF.
// Macro hotspots get no area; a binding to a topic in no page, or in
// another help file, gets none either and is counted as unresolved.
std::string image_map(ConversionRun& run, std::string_view map_name,
                      const std::vector<ShgHotspot>& hotspots);

// The map of the hotspot graphic at shg_path; nullopt when the file cannot
// be read.
std::optional<std::string> write_image_map(ConversionRun& run, std::string_view shg_path);

}  // namespace html
