// The project's style translations: a styled span of the document, carried
// through the export as "!!lfct" n "!!" ... "!te" n, becomes HTML of the
// author's choice.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace html {

inline constexpr std::size_t kTranslationValueCut = 498;
// Marker texts.
inline constexpr std::string_view kTranslationOpen = "!!lfct";
inline constexpr std::string_view kTranslationClose = "!te";

struct Translation {
  std::string opening;
  std::string closing;
  bool operator==(const Translation&) const = default;
};

// The texts of one definition (the part of a value after ">>>>"); a
// graphic it names is copied into graphics_dir.
Translation build_translation(std::string_view definition, std::string_view graphics_dir);

// [Translations] t0, t1, ... of the project file, up to the first empty
// value, however many there are.
std::vector<Translation> read_translations(std::string_view project_file);

}  // namespace html
