#include "wizard/project_keys.h"

#include "formats/profile_key_names.h"
#include "platform/text.h"
#include "wizard/settings_tuples.h"

namespace wizard {

namespace {

using S = PageSettings;
constexpr KeyUse kReadOnly = KeyUse::read_only;

// A tuple key whose record member is parsed and formatted by a pair of
// functions from settings_tuples.h.
template <auto Member, auto Parse, auto Format>
void parse_member(std::string_view value, S& s) { s.*Member = (*Parse)(value); }

template <auto Member, auto Parse, auto Format>
std::string format_member(const S& s) { return (*Format)(s.*Member); }

template <auto Member, auto Parse, auto Format>
KeyField<S> tuple_key(std::string_view key, std::size_t cut, KeyUse use = KeyUse::saved) {
  return formatted_key<S>(key, &parse_member<Member, Parse, Format>,
                          &format_member<Member, Parse, Format>, cut, use);
}

// Per-kind triples take their defaults from the member's initial value.
template <ColourTriple S::*Member>
void parse_colour_member(std::string_view value, S& s) {
  const S defaults;
  s.*Member = parse_colours(value, defaults.*Member);
}

template <ColourTriple S::*Member>
std::string format_colour_member(const S& s) { return format_colours(s.*Member); }

template <ColourTriple S::*Member>
KeyField<S> colour_key(std::string_view key) {
  return formatted_key<S>(key, &parse_colour_member<Member>, &format_colour_member<Member>,
                          kNumberTupleCut);
}

template <std::size_t N>
KeyField<S> heading_key(std::string_view key) {
  auto parse = [](std::string_view v, S& s) { s.headings[N] = parse_heading(v); };
  auto format = [](const S& s) { return format_heading(s.headings[N]); };
  return formatted_key<S>(key, parse, format, kTextTupleCut);
}

KeyField<S> ctclr_key() {
  auto parse = [](std::string_view v, S& s) { s.ctclr = parse_kind_flags(v, S{}.ctclr); };
  auto format = [](const S& s) { return format_kind_flags(s.ctclr); };
  return formatted_key<S>("ctclr", parse, format, kNumberTupleCut);
}

KeyField<S> longdoc_key() {
  auto parse = [](std::string_view v, S& s) { s.longdoc = parse_longdoc(v); };
  return formatted_key<S>("longdoc", parse, nullptr, kNumberTupleCut, kReadOnly);
}

// "stylecode" is saved as whether "bodystyle" holds anything.
KeyField<S> stylecode_key() {
  auto parse = [](std::string_view v, S& s) { s.stylecode = static_cast<int>(text::parse_int(v)); };
  auto format = [](const S& s) { return std::string(s.bodystyle.empty() ? "0" : "1"); };
  return formatted_key<S>("stylecode", parse, format, kNumberTupleCut);
}

// An empty TOC page name means the standard one.
KeyField<S> tcfn_key() {
  auto parse = [](std::string_view v, S& s) { s.tcfn = v.empty() ? S{}.tcfn : std::string(v); };
  auto format = [](const S& s) { return s.tcfn; };
  return formatted_key<S>("tcfn", parse, format, kPageNameCut);
}

// The signature keeps its line breaks as "~~" in the file.
KeyField<S> sig_key() {
  auto parse = [](std::string_view v, S& s) { s.sig = signature_from_stored(v); };
  auto format = [](const S& s) { return signature_to_stored(s.sig); };
  return formatted_key<S>("sig", parse, format, kTextCut);
}

// File naming, links, frames and the engine's switches.
void add_naming_and_link_keys(std::vector<KeyField<S>>& keys) {
  keys.insert(keys.end(), {
      tuple_key<&S::xref, parse_xref, format_xref>("xref", kTextTupleCut),
      text_key<S>("link_target", &S::link_target, kTextCut),
      tuple_key<&S::fnames, parse_fnames, format_fnames>("fnames", kTextTupleCut),
      tuple_key<&S::base, parse_base, format_base>("base", kTextTupleCut),
      tuple_key<&S::wdmgn1, parse_wdmgn1, format_wdmgn1>("wdmgn1", kNumberTupleCut),
      number_key<S>("uniquenames", &S::uniquenames),
      tuple_key<&S::frm, parse_frm, format_frm>("frm", kTextTupleCut),
      number_key<S>("doubbul", &S::doubbul, kReadOnly),
      number_key<S>("doubnum", &S::doubnum, kReadOnly),
      number_key<S>("lnkcaps", &S::lnkcaps, kReadOnly),
      number_key<S>("dothmb", &S::dothmb, kReadOnly),
      number_key<S>("noix", &S::noix, kReadOnly),
      number_key<S>(profile_keys::kCopiedGraphics, &S::copied_graphics),
      number_key<S>("tocbuls", &S::tocbuls),
      number_key<S>("doreltopics", &S::doreltopics),
      text_key<S>("reltopicshead", &S::reltopicshead, kRelTopicsHeadCut),
  });
}

// TOC and index pages, heading formats and tables.
void add_toc_and_heading_keys(std::vector<KeyField<S>>& keys) {
  keys.insert(keys.end(), {
      tuple_key<&S::tocset, parse_tocset, format_tocset>("tocset", kNumberTupleCut),
      number_key<S>("ixaz", &S::ixaz),
      number_key<S>("gtinct", &S::gtinct, kReadOnly),
      number_key<S>("ltmin", &S::ltmin),
      number_key<S>("ltmax", &S::ltmax),
      number_key<S>("gtmin", &S::gtmin),
      number_key<S>("gtmax", &S::gtmax),
      heading_key<0>("h0"),
      heading_key<1>("h1"),
      heading_key<2>("h2"),
      heading_key<3>("h3"),
      heading_key<4>("h4"),
      heading_key<5>("h5"),
      heading_key<6>("h6"),
      tuple_key<&S::tabv, parse_tabv, format_tabv>("tabv", kNumberTupleCut),
  });
}

// Clean-up of the word processor's HTML, master page and extra page code.
void add_cleanup_and_page_code_keys(std::vector<KeyField<S>>& keys) {
  keys.insert(keys.end(), {
      number_key<S>("rmcss", &S::rmcss),
      number_key<S>("precss", &S::precss),
      number_key<S>("titlelinksnospace", &S::titlelinksnospace),
      number_key<S>("ftabfont", &S::ftabfont),
      number_key<S>("tabaddsp", &S::tabaddsp),
      text_key<S>("tabfface", &S::tabfface, kTableFaceCut),
      text_key<S>("tabfsize", &S::tabfsize, kTableSizeCut),
      number_key<S>("removefont", &S::removefont),
      number_key<S>("removebold", &S::removebold),
      number_key<S>("removeitalic", &S::removeitalic),
      number_key<S>("fixnsbold", &S::fixnsbold),
      number_key<S>("removehidden", &S::removehidden),
      number_key<S>("Fix OL", &S::fix_ol),
      number_key<S>("RemoveDIR", &S::remove_dir),
      number_key<S>("remove_frames", &S::remove_frames),
      number_key<S>("dofoots", &S::dofoots, kReadOnly),
      number_key<S>("wanthbody", &S::wanthbody),
      number_key<S>("wanthhead", &S::wanthhead),
      number_key<S>("usempage", &S::usempage),
      text_key<S>("masterpg", &S::masterpg, kMasterPageCut),
      number_key<S>("headcode", &S::headcode),
      stylecode_key(),
      text_key<S>("bodystyle", &S::bodystyle, kBodyStyleCut),
      tuple_key<&S::v2frameset, parse_v2frameset, format_v2frameset>("v2frameset",
                                                                    kNumberTupleCut),
      tuple_key<&S::v2toc, parse_v2toc, format_v2toc>("v2toc", kNumberTupleCut),
      tuple_key<&S::hv, parse_page_file_switch, format_page_file_switch>("hv", kNumberTupleCut),
      tuple_key<&S::fv, parse_page_file_switch, format_page_file_switch>("fv", kNumberTupleCut),
  });
}

// Page layout, titles, colours, backgrounds, buttons, rules and signature.
void add_layout_and_look_keys(std::vector<KeyField<S>>& keys) {
  keys.insert(keys.end(), {
      number_key<S>("ltoc", &S::ltoc),
      text_key<S>("hlo", &S::hlo, kLayoutCut),
      text_key<S>("flo", &S::flo, kLayoutCut),
      text_key<S>("hd", &S::hd, kPathCut),
      text_key<S>("ft", &S::ft, kPathCut),
      text_key<S>("tct", &S::tct, kTitleCut),
      text_key<S>("ixt", &S::ixt, kTitleCut),
      text_key<S>("frmt", &S::frmt, kTitleCut),
      tcfn_key(),
      text_key<S>("ixfn", &S::ixfn, kPageNameCut),
      longdoc_key(),
      number_key<S>("allsame", &S::allsame),
      ctclr_key(),
      colour_key<&S::bc>("bc"),
      colour_key<&S::tn>("tn"),
      colour_key<&S::tl>("tl"),
      colour_key<&S::ta>("ta"),
      colour_key<&S::tv>("tv"),
      tuple_key<&S::bg_toc, parse_background, format_background>("bg_toc", kTextTupleCut),
      tuple_key<&S::bg_ix, parse_background, format_background>("bg_ix", kTextTupleCut),
      tuple_key<&S::bg, parse_background, format_background>("bg", kTextTupleCut),
      text_key<S>("cbutloc", &S::cbutloc, kPathCut),
      text_key<S>(profile_keys::kButtonFrom, &S::butfrom, kPathCut),
      text_key<S>(profile_keys::kRuleFrom, &S::rulefrom, kPathCut),
      tuple_key<&S::navbuts, parse_navbuts, format_navbuts>("navbuts", kNumberTupleCut),
      tuple_key<&S::rule0, parse_rule0, format_rule0>("rule0", kTextTupleCut),
      sig_key(),
      tuple_key<&S::sigv, parse_sigv, format_sigv>("sigv", kNumberTupleCut),
      text_key<S>("se", &S::se, kTextCut),
      number_key<S>("num docs", &S::num_docs),
      number_key<S>("azused", &S::azused),
  });
}

std::vector<KeyField<S>> make_page_setting_keys() {
  std::vector<KeyField<S>> keys;
  add_naming_and_link_keys(keys);
  add_toc_and_heading_keys(keys);
  add_cleanup_and_page_code_keys(keys);
  add_layout_and_look_keys(keys);
  return keys;
}

}  // namespace

std::span<const KeyField<SourceOptions>> source_keys() {
  using T = SourceOptions;
  static const KeyField<T> keys[] = {
      text_key<T>(profile_keys::kHpj, &T::hpj, kPathCut),
      text_key<T>("bmroot", &T::bmroot, kTextCut),
      number_key<T>("use_brws_order", &T::use_brws_order),
      number_key<T>("cnt_type", &T::cnt_type, kReadOnly),
      text_key<T>("template", &T::template_path, kPathCut),
      number_key<T>("use template", &T::use_template),
      number_key<T>("pngimages", &T::pngimages, kReadOnly),
  };
  return keys;
}

std::span<const KeyField<HtmlHelpOptions>> html_help_keys() {
  using T = HtmlHelpOptions;
  static const KeyField<T> keys[] = {
      number_key<T>(profile_keys::kUseHtmlHelp, &T::use_htmlhelp, kReadOnly),
      number_key<T>("use_nethelp", &T::use_nethelp, kReadOnly),
      number_key<T>("java_htmlhelp", &T::java_htmlhelp),
      number_key<T>("do_cx_map", &T::do_cx_map),
      text_key<T>("hh_topic_text", &T::hh_topic_text, kTitleCut),
      number_key<T>("autocompile", &T::autocompile),
  };
  return keys;
}

std::span<const KeyField<ExtensionOptions>> extension_keys() {
  using T = ExtensionOptions;
  static const KeyField<T> keys[] = {
      number_key<T>("run_pre", &T::run_pre),
      text_key<T>("pre_name", &T::pre_name, kTextCut),
      number_key<T>("run_post", &T::run_post),
      text_key<T>("post_name", &T::post_name, kPathCut),
  };
  return keys;
}

std::span<const KeyField<PageSettings>> page_setting_keys() {
  static const std::vector<KeyField<PageSettings>> keys = make_page_setting_keys();
  return keys;
}

}  // namespace wizard
