#include "html/splitter/page_naming.h"

#include "html/splitter/page_list.h"

namespace html {

namespace {

bool is_letter_or_digit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Page names are plain ASCII whatever the topic file's name: its 8-bit
// bytes (a name in code page 1251 or 1252) become "_".
std::string ascii_base(std::string_view base) {
  std::string out(base);
  for (char& c : out)
    if (static_cast<unsigned char>(c) >= 0x80) c = '_';
  return out;
}

// The name before its extension.
std::string name_stem(const wizard::FileNaming& naming, std::string_view raw_base, int number,
                      std::string_view title, std::string_view context) {
  std::string base = ascii_base(raw_base);
  if (naming.scheme != 1 && naming.scheme != 2)
    return std::string(base) + "p" + std::to_string(number);
  std::string stem = std::string(base) + "_" + std::string(naming.scheme == 1 ? title : context);
  if (naming.max_chars >= 0 && stem.size() > static_cast<std::size_t>(naming.max_chars))
    stem.resize(static_cast<std::size_t>(naming.max_chars));
  for (std::size_t i = base.size(); i < stem.size(); ++i)
    if (!is_letter_or_digit(stem[i])) stem[i] = '_';
  return stem;
}

}  // namespace

std::string page_file_name(const wizard::FileNaming& naming, std::string_view base, int number,
                           std::string_view title, std::string_view context,
                           const PageList& pages) {
  std::string stem = name_stem(naming, base, number, title, context);
  if (stem.empty()) stem = "_";
  std::string name = stem + naming.extension;
  // Every try differs, so a free name is found within one more try than there are pages.
  for (std::size_t clash = 1; pages.has_name(name) && clash <= pages.size() + 1; ++clash)
    name = stem.substr(0, stem.size() - 1) + std::to_string(clash) + naming.extension;
  return name;
}

}  // namespace html
