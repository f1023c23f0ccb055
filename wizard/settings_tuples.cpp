#include "wizard/settings_tuples.h"

#include <initializer_list>

#include "platform/text.h"
#include "wizard/limits.h"
#include "wizard/tuple_reader.h"

namespace wizard {

namespace {

// Numbers joined by single blanks, as "%d %d ..." writes them.
std::string numbers(std::initializer_list<long> values) {
  std::string out;
  for (long v : values) {
    if (!out.empty()) out += ' ';
    out += std::to_string(v);
  }
  return out;
}

template <std::size_t N>
void read_numbers(TupleReader& reader, std::array<int, N>& fields) {
  for (int& field : fields) reader.number(field);
}

// A word field must stay one word, or every field after it would shift.
std::string word_field(std::string_view value, std::string_view fallback) {
  std::string out;
  for (char c : value) {
    if (c != ' ' && c != '\t') out += c;
  }
  return out.empty() ? std::string(fallback) : out;
}

// ".html" and "html" keep at most four characters after the dot.
std::string cut_extension(std::string_view extension) {
  std::size_t keep = kExtensionCharsCut + (extension.starts_with('.') ? 1 : 0);
  return text::cut(extension, keep);
}

}  // namespace

CrossReferenceOptions parse_xref(std::string_view value) {
  CrossReferenceOptions xref;
  TupleReader reader(value);
  reader.number(xref.convert);
  reader.number(xref.first_only);
  reader.after_marker(xref.autolink_file);
  return xref;
}

std::string format_xref(const CrossReferenceOptions& xref) {
  return numbers({xref.convert, xref.first_only}) + " >" + xref.autolink_file;
}

FileNaming parse_fnames(std::string_view value) {
  FileNaming naming;
  TupleReader reader(value);
  reader.number(naming.scheme);
  reader.number(naming.max_chars);
  reader.rest(naming.extension);
  if (naming.max_chars < 0 || naming.max_chars > kMaxNameChars) {
    naming.max_chars = kDefaultNameChars;
  }
  naming.extension = cut_extension(naming.extension);
  return naming;
}

std::string format_fnames(const FileNaming& naming) {
  return numbers({naming.scheme, naming.max_chars}) + " " + naming.extension;
}

BaseFont parse_base(std::string_view value) {
  BaseFont base;
  TupleReader reader(value);
  reader.number(base.size);
  reader.rest(base.face);
  return base;
}

std::string format_base(const BaseFont& base) {
  return numbers({base.size}) + " " + base.face;
}

MarginLayout parse_wdmgn1(std::string_view value) {
  MarginLayout layout;
  TupleReader reader(value);
  reader.number(layout.headings_in_margin);
  reader.number(layout.margin_width);
  read_numbers(reader, layout.placement);
  return layout;
}

std::string format_wdmgn1(const MarginLayout& layout) {
  const auto& p = layout.placement;
  return numbers({layout.headings_in_margin, layout.margin_width, p[0], p[1], p[2], p[3],
                  p[4], p[5]});
}

FrameOptions parse_frm(std::string_view value) {
  FrameOptions frames;
  TupleReader reader(value);
  reader.number(frames.in_frame);
  reader.number(frames.home_exits_frame);
  reader.number(frames.position);
  reader.number(frames.toc_size);
  reader.number(frames.toc_size_copy);
  reader.rest(frames.page_name);
  return frames;
}

std::string format_frm(const FrameOptions& frames) {
  return numbers({frames.in_frame, frames.home_exits_frame, frames.position, frames.toc_size,
                  frames.toc_size_copy}) +
         " " + frames.page_name;
}

TocPageOptions parse_tocset(std::string_view value) {
  TocPageOptions toc;
  TupleReader reader(value);
  reader.number(toc.long_doc_enable);
  reader.number(toc.toc_title);
  reader.number(toc.index_title);
  read_numbers(reader, toc.size_change);
  read_numbers(reader, toc.bold);
  read_numbers(reader, toc.italic);
  reader.number(toc.center);
  return toc;
}

std::string format_tocset(const TocPageOptions& toc) {
  const auto& s = toc.size_change;
  const auto& b = toc.bold;
  const auto& i = toc.italic;
  return numbers({toc.long_doc_enable, toc.toc_title, toc.index_title, s[0], s[1], s[2], b[0],
                  b[1], b[2], i[0], i[1], i[2], toc.center});
}

HeadingFormat parse_heading(std::string_view value) {
  HeadingFormat h;
  TupleReader reader(value);
  for (int* field : {&h.set_format, &h.set_alignment, &h.alignment, &h.size_change, &h.bold,
                     &h.italic, &h.fixed}) {
    reader.number(*field);
  }
  reader.number(h.colour);
  for (int* field : {&h.rule_before, &h.rule_after, &h.rule_alignment, &h.top_button}) {
    reader.number(*field);
  }
  reader.after_marker(h.face);
  return h;
}

std::string format_heading(const HeadingFormat& h) {
  return numbers({h.set_format, h.set_alignment, h.alignment, h.size_change, h.bold, h.italic,
                  h.fixed, h.colour, h.rule_before, h.rule_after, h.rule_alignment,
                  h.top_button}) +
         " >" + h.face;
}

TableOptions parse_tabv(std::string_view value) {
  TableOptions t;
  TupleReader reader(value);
  for (int* field : {&t.set_width, &t.explicit_columns, &t.width_percent, &t.border, &t.spacing,
                     &t.padding, &t.set_border_colour, &t.set_background_colour}) {
    reader.number(*field);
  }
  reader.number(t.border_colour);
  reader.number(t.background_colour);
  return t;
}

std::string format_tabv(const TableOptions& t) {
  return numbers({t.set_width, t.explicit_columns, t.width_percent, t.border, t.spacing,
                  t.padding, t.set_border_colour, t.set_background_colour, t.border_colour,
                  t.background_colour});
}

FrameSetOptions parse_v2frameset(std::string_view value) {
  FrameSetOptions f;
  TupleReader reader(value);
  for (int* field : {&f.border, &f.resizable, &f.scrolling, &f.size_unit}) reader.number(*field);
  return f;
}

std::string format_v2frameset(const FrameSetOptions& f) {
  return numbers({f.border, f.resizable, f.scrolling, f.size_unit});
}

TocIndent parse_v2toc(std::string_view value) {
  TocIndent indent;
  TupleReader reader(value);
  reader.number(indent.use_spaces);
  reader.number(indent.spaces_per_level);
  return indent;
}

std::string format_v2toc(const TocIndent& indent) {
  return numbers({indent.use_spaces, indent.spaces_per_level});
}

PageFileSwitch parse_page_file_switch(std::string_view value) {
  PageFileSwitch page_file;
  TupleReader reader(value);
  reader.number(page_file.on);
  read_numbers(reader, page_file.kinds);
  return page_file;
}

std::string format_page_file_switch(const PageFileSwitch& p) {
  return numbers({p.on, p.kinds[0], p.kinds[1], p.kinds[2]});
}

std::array<int, 4> parse_longdoc(std::string_view value) {
  std::array<int, 4> flags{0, 0, 0, 0};
  TupleReader reader(value);
  read_numbers(reader, flags);
  return flags;
}

KindFlags parse_kind_flags(std::string_view value, KindFlags defaults) {
  TupleReader reader(value);
  read_numbers(reader, defaults);
  return defaults;
}

std::string format_kind_flags(const KindFlags& flags) {
  return numbers({flags[0], flags[1], flags[2]});
}

ColourTriple parse_colours(std::string_view value, ColourTriple defaults) {
  TupleReader reader(value);
  for (long& colour : defaults) reader.number(colour);
  return defaults;
}

std::string format_colours(const ColourTriple& colours) {
  return numbers({colours[0], colours[1], colours[2]});
}

Background parse_background(std::string_view value) {
  Background background;
  TupleReader reader(value);
  reader.number(background.mode);
  reader.after_marker(background.graphic);
  return background;
}

std::string format_background(const Background& background) {
  return numbers({background.mode}) + " >" + background.graphic;
}

namespace {

void read_row(TupleReader& reader, ButtonRow& row) {
  for (int* field : {&row.on, &row.rule_before, &row.rule_after, &row.alignment, &row.spacing}) {
    reader.number(*field);
  }
}

}  // namespace

NavBarOptions parse_navbuts(std::string_view value) {
  NavBarOptions bar;
  TupleReader reader(value);
  reader.number(bar.custom_style);
  reader.number(bar.standard_style);
  read_row(reader, bar.top);
  read_row(reader, bar.bottom);
  reader.number(bar.text_buttons);
  return bar;
}

std::string format_navbuts(const NavBarOptions& bar) {
  const ButtonRow& t = bar.top;
  const ButtonRow& b = bar.bottom;
  return numbers({bar.custom_style, bar.standard_style, t.on, t.rule_before, t.rule_after,
                  t.alignment, t.spacing, b.on, b.rule_before, b.rule_after, b.alignment,
                  b.spacing, bar.text_buttons});
}

RuleOptions parse_rule0(std::string_view value) {
  RuleOptions rule;
  TupleReader reader(value);
  reader.word(rule.alignment);
  reader.word(rule.width);
  reader.number(rule.height);
  reader.number(rule.style);
  reader.number(rule.use_graphic);
  reader.after_marker(rule.graphic);
  return rule;
}

std::string format_rule0(const RuleOptions& rule) {
  const RuleOptions defaults;
  return word_field(rule.alignment, defaults.alignment) + " " +
         word_field(rule.width, defaults.width) + " " +
         numbers({rule.height, rule.style, rule.use_graphic}) + " >" + rule.graphic;
}

SignatureOptions parse_sigv(std::string_view value) {
  SignatureOptions s;
  TupleReader reader(value);
  for (int* field : {&s.position, &s.alignment, &s.bold, &s.italic, &s.html, &s.email_link}) {
    reader.number(*field);
  }
  read_numbers(reader, s.kinds);
  return s;
}

std::string format_sigv(const SignatureOptions& s) {
  return numbers({s.position, s.alignment, s.bold, s.italic, s.html, s.email_link, s.kinds[0],
                  s.kinds[1], s.kinds[2]});
}

std::string signature_from_stored(std::string_view stored) {
  std::string out;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (stored.compare(i, 2, "~~") == 0) {
      out += "\r\n";
      ++i;
    } else {
      out += stored[i];
    }
  }
  return out;
}

std::string signature_to_stored(std::string_view signature) {
  std::string out;
  for (std::size_t i = 0; i < signature.size(); ++i) {
    char c = signature[i];
    if (c == '\r' || c == '\n') {
      out += "~~";
      if (c == '\r' && i + 1 < signature.size() && signature[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace wizard
