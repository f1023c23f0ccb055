#include "html/pictures/bitmap_step.h"

#include "formats/bitmap_roots.h"
#include "html/analysis/project_hpj.h"
#include "html/driver/conversion_run.h"
#include "html/pictures/convert_bitmap.h"
#include "html/pictures/image_map.h"
#include "html/text/markup.h"
#include "html/text/read_on.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace html {

namespace {

constexpr std::string_view kOpener = "{bm";

struct Reference {
  PictureAlignment alignment = PictureAlignment::centre;
  bool transparent = false;
  std::string name;  // lower case
};

std::string project_path(const ConversionRun& run) {
  return run.project.hpj_path.empty() ? help_project_path(run.settings) : run.project.hpj_path;
}

std::string project_folder(const ConversionRun& run) {
  return std::string(platform::directory_of(project_path(run)));
}

// The reference's text from "{bm" to "}": the letters up to the first blank
// name the alignment and, after it, "t" (transparent) or "d" (ignored).
std::optional<Reference> parse_reference(std::string text) {
  for (std::size_t cr; (cr = text.find('\r')) != std::string::npos;) text[cr] = ' ';
  std::erase(text, '\n');
  std::string_view body = std::string_view(text).substr(kOpener.size());
  body.remove_suffix(1);  // "}"
  std::size_t blank = body.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  std::string code = text::to_lower(body.substr(0, blank));
  if (code.empty() || code.size() > 2) return std::nullopt;
  Reference ref;
  switch (code[0]) {
    case 'c': ref.alignment = PictureAlignment::centre; break;
    case 'l': ref.alignment = PictureAlignment::left; break;
    case 'r': ref.alignment = PictureAlignment::right; break;
    default: return std::nullopt;
  }
  if (code.size() == 2 && code[1] != 't' && code[1] != 'd') return std::nullopt;
  ref.transparent = code.size() == 2 && code[1] == 't';
  ref.name = text::to_lower(strip_tags(body.substr(blank + 1)));
  if (ref.name.empty()) return std::nullopt;
  return ref;
}

// A name with a folder is taken from the project's folder, others are
// looked for on the search path.
std::optional<std::string> find_reference_file(ConversionRun& run, const std::string& name) {
  if (name.find('\\') == std::string::npos && name.find('/') == std::string::npos)
    return locate_bitmap(run, name);
  ResolvedPath path = resolve_project_path(project_folder(run), name);
  if (!path.exists) return std::nullopt;
  return path.path;
}

// The replacement of a found reference: the tag, and a hotspot graphic's
// map on the lines after it.
std::optional<std::string> picture_markup(ConversionRun& run, const Reference& ref,
                                          const std::string& path) {
  std::string map;
  if (text::iends_with(path, ".shg")) map = "\r\n" + write_image_map(run, path).value_or("");
  std::optional<std::string> tag = convert_bitmap(run, path, ref.alignment, ref.transparent);
  if (!tag) return std::nullopt;
  return *tag + map;
}

}  // namespace

std::vector<std::string> bitmap_folders(const ConversionRun& run) {
  const std::string path = project_path(run);
  const std::string& roots = run.project.bitmap_path.empty() ? run.settings.project.twhtml.bmroot
                                                             : run.project.bitmap_path;
  std::string list = roots.empty() ? std::string(".") : roots;
  std::string stock;
  if (!path.empty() &&
      platform::get_profile_int("Project", "W95", 0, platform::replace_extension(path, ".opt")) != 0)
    stock = formats::stock_bitmap_folder(run.settings.authoring.bitmap_dir);
  return formats::bitmap_search_folders(project_folder(run), list, stock);
}

std::optional<std::string> locate_bitmap(ConversionRun& run, std::string_view name) {
  if (!run.publish.bitmap_folders) run.publish.bitmap_folders = bitmap_folders(run);
  return formats::find_bitmap(*run.publish.bitmap_folders, name);
}

void convert_bitmap_references(ConversionRun& run, std::string& buffer, ReadOn& more) {
  for (std::size_t at = find_nocase(buffer, kOpener); at != kNoPos;
       at = find_nocase(buffer, kOpener, at)) {
    std::size_t close = read_on_until(more, buffer, at, "}");
    if (close == kNoPos) return;
    std::optional<Reference> ref = parse_reference(buffer.substr(at, close + 1 - at));
    std::optional<std::string> path = ref ? find_reference_file(run, ref->name) : std::nullopt;
    std::optional<std::string> markup = path ? picture_markup(run, *ref, *path) : std::nullopt;
    if (!markup) {
      if (ref) ++(path ? run.publish.counts.failed_pictures : run.publish.counts.missing_pictures);
      at = close + 1;
      continue;
    }
    buffer.replace(at, close + 1 - at, *markup);
    at += markup->size();
    ++run.publish.counts.pictures;
  }
}

}  // namespace html
