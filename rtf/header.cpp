#include "rtf/header.h"

#include "rtf/code_page.h"

namespace rtf {

namespace {

// \levelnfc values that mean "no number": 23 bullet, 255 nothing at all.
constexpr int kBulletFormat = 23;
constexpr int kNoNumberFormat = 255;

}  // namespace

std::string Header::font_name(int font) const {
  auto it = fonts.find(font);
  return it == fonts.end() ? std::string() : it->second.name;
}

int Header::font_code_page(int font) const {
  auto it = fonts.find(font);
  if (it == fonts.end() || it->second.charset == 0) return code_page;
  int of_charset = code_page_of_charset(it->second.charset);
  return of_charset != 0 ? of_charset : code_page;
}

std::optional<std::uint32_t> Header::color(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= colors.size()) return std::nullopt;
  return colors[static_cast<std::size_t>(index)];
}

const Style* Header::style(int number) const {
  auto it = styles.find(number);
  return it == styles.end() ? nullptr : &it->second;
}

ListKind Header::list_kind(const ParaFormat& para) const {
  if (para.list_override > 0) {
    auto over = list_overrides.find(para.list_override);
    if (over != list_overrides.end()) {
      auto list = list_formats.find(over->second);
      if (list != list_formats.end() && !list->second.empty()) {
        std::size_t level = static_cast<std::size_t>(para.list_override_level < 0 ? 0 : para.list_override_level);
        if (level >= list->second.size()) level = list->second.size() - 1;
        int format = list->second[level];
        return format == kBulletFormat || format == kNoNumberFormat ? ListKind::bullet : ListKind::numbered;
      }
    }
    // A list the tables do not describe: trust the old-style numbering if any.
    return para.pn_kind != ListKind::none ? para.pn_kind : ListKind::bullet;
  }
  return para.pn_kind;
}

}  // namespace rtf
