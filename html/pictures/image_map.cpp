#include "html/pictures/image_map.h"

#include "html/driver/conversion_run.h"
#include "html/pages/context_resolver.h"
#include "html/text/markup.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

std::string quoted(std::string_view value) { return "\"" + escape_html(value) + "\""; }

std::string coordinates(const ShgHotspot& spot) {
  return text::format("\"%d,%d,%d,%d\"", spot.left, spot.top, spot.left + spot.width,
                      spot.top + spot.height);
}

// The AREA line of one hotspot, "" when it leads nowhere on this site.
std::string area_line(ConversionRun& run, const ShgHotspot& spot) {
  if (spot.type == kMacroHotspot || spot.type == kInvisibleMacroHotspot) return {};
  std::string context(text::trim(spot.binding));
  context = context.substr(0, context.find('>'));
  if (context.empty() || context.front() == '!') return {};
  const std::string key = context_key(context);
  if (context.find('@') != std::string::npos || !run.publish.contexts.knows(key)) {
    run.publish.counts.unresolved(context);
    return {};
  }
  return "<AREA SHAPE=\"RECT\" COORDS=" + coordinates(spot) +
         " HREF=" + quoted(resolve_context(run, key)) + " ALT=" + quoted(context) + ">\r\n";
}

}  // namespace

std::string image_map_name(std::string_view shg_path) {
  std::string_view name = platform::file_name_of(shg_path);
  std::size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string image_map(ConversionRun& run, std::string_view map_name,
                      const std::vector<ShgHotspot>& hotspots) {
  std::string map = "<MAP NAME=" + quoted(map_name) + ">\r\n";
  for (const ShgHotspot& spot : hotspots) map += area_line(run, spot);
  map += "<AREA SHAPE=default NOHREF>\r\n</MAP>\r\n";
  return map;
}

std::optional<std::string> write_image_map(ConversionRun& run, std::string_view shg_path) {
  std::optional<std::string> bytes = platform::read_file(shg_path);
  if (!bytes) return std::nullopt;
  return image_map(run, image_map_name(shg_path), read_shg_hotspots(*bytes));
}

}  // namespace html
