#include "html/splitter/translations.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace html {

namespace {

// The text after key up to the next ";" (or the end).
std::string value_after(std::string_view definition, std::string_view key) {
  std::size_t at = definition.find(key);
  if (at == std::string_view::npos) return {};
  std::string_view rest = definition.substr(at + key.size());
  return std::string(rest.substr(0, rest.find(';')));
}

void add_background(Translation& t, std::string_view definition) {
  if (definition.find("BGCOLOR=") == std::string_view::npos) return;
  t.opening += "\r\n<TABLE WIDTH=\"100%\" BGCOLOR=" + value_after(definition, "BGCOLOR=") +
               " BORDER=0 CELLPADDING=5><TR><TD><!nf>\r\n";
  t.closing += "\r\n</TD></TR></TABLE>\r\n";
}

void add_tags(Translation& t, std::string_view definition) {
  std::size_t at = definition.find("Tags: ");
  if (at == std::string_view::npos) return;
  std::string_view tags = definition.substr(at + 6);
  std::size_t dots = tags.find("...");
  t.opening += tags.substr(0, dots);
  if (dots != std::string_view::npos) t.closing += tags.substr(dots + 3);
}

void add_graphic(Translation& t, std::string_view definition, std::string_view graphics_dir) {
  if (definition.find("GRAPHIC=") == std::string_view::npos) return;
  std::string path = value_after(definition, "GRAPHIC=");
  std::string name(platform::file_name_of(path));
  if (!graphics_dir.empty()) platform::copy_file(path, platform::join_path(graphics_dir, name));
  t.opening += "<IMG SRC=\"" + name + "\" HSPACE=5 BORDER=0>";
}

void add_heading(Translation& t, std::string_view definition) {
  std::size_t at = definition.find("Heading");
  if (at == std::string_view::npos) return;
  std::string_view rest = text::trim_left(definition.substr(at + 7));
  if (rest.empty() || rest[0] < '0' || rest[0] > '9') return;
  long level = text::parse_int(rest);
  t.opening += text::format("<H%ld>", level);
  t.closing += text::format("</H%ld>", level);
}

void add_simple(Translation& t, std::string_view definition, std::string_view key,
                std::string_view opening, std::string_view closing) {
  if (definition.find(key) == std::string_view::npos) return;
  t.opening += opening;
  t.closing += closing;
}

}  // namespace

Translation build_translation(std::string_view definition, std::string_view graphics_dir) {
  Translation t;
  add_background(t, definition);
  add_tags(t, definition);
  add_graphic(t, definition, graphics_dir);
  add_heading(t, definition);
  add_simple(t, definition, "Bold", "<B>", "</B>");
  add_simple(t, definition, "Italic", "<I>", "</I>");
  if (definition.find("Font: ") != std::string_view::npos)
    add_simple(t, definition, "Font: ", "<FONT " + value_after(definition, "Font: ") + ">", "</FONT>");
  add_simple(t, definition, "BLINK", "<BLINK>", "</BLINK>");
  add_simple(t, definition, "MARQUEE (l", "<MARQUEE DIRECTION=RIGHT>", "</MARQUEE>");
  add_simple(t, definition, "MARQUEE (r", "<MARQUEE>", "</MARQUEE>");
  return t;
}

std::vector<Translation> read_translations(std::string_view project_file) {
  std::vector<Translation> translations;
  std::string dir(platform::directory_of(project_file));
  for (std::size_t i = 0;; ++i) {
    std::string value = platform::get_profile_string("Translations", text::format("t%zu", i), "",
                                                     kTranslationValueCut + 1, project_file);
    if (value.empty()) break;
    std::size_t arrows = value.find(">>>>");
    std::string_view definition = arrows == std::string::npos
                                ? std::string_view(value)
                                : std::string_view(value).substr(arrows + 4);
    translations.push_back(build_translation(definition, dir));
  }
  return translations;
}

}  // namespace html
