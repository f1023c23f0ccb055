// The option pages of contents and conversion: HTML Help, table of
// contents, index, heading formats, cross references, advanced options.
#include "html/driver/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/twzhtml/options.h"
#include "wizard/dialogs/help_topics.h"
#include "wizard/dialogs/option_bindings.h"
#include "wizard/dialogs/wizard_texts.h"
#include "wizard/library_settings.h"

namespace wizard {
namespace {

using P = ProjectSettings;

// --- HTML Help ---------------------------------------------------------------------------

const Binding kHtmlHelpTocBindings[] = {
    bind::text(IDC_HHTOC_TOPIC_TEXT, TW_OPTION(htmlhelp.hh_topic_text), kTitleCut),
    bind::radio(IDC_HHTOC_IMPLEMENTATION, 2, TW_OPTION(htmlhelp.java_htmlhelp)),
    bind::check(IDC_HHTOC_MAP, TW_OPTION(htmlhelp.do_cx_map)),
    bind::check(IDC_HHTOC_AUTOCOMPILE, TW_OPTION(htmlhelp.autocompile)),
    bind::radio(IDC_HHTOC_SOURCE, 2, TW_OPTION(twhtml.cnt_type)),
    bind::check(IDC_HHTOC_RELATED, TW_OPTION(settings.doreltopics)),
    bind::text(IDC_HHTOC_RELATED_TEXT, TW_OPTION(settings.reltopicshead), kRelTopicsHeadCut),
};

// --- Table of contents and frames -------------------------------------------------------

const Binding kTocBindings[] = {
    bind::radio(IDC_TOC_SOURCE, 2, TW_OPTION(twhtml.cnt_type)),
    bind::text(IDC_TOC_TITLE, TW_OPTION(settings.tct), kTitleCut),
    bind::text(IDC_TOC_FILE, TW_OPTION(settings.tcfn), kPageNameCut),
    bind::check(IDC_TOC_SHOW_TITLE, TW_OPTION(settings.tocset.toc_title)),
    bind::number(IDC_TOC_SIZE, TW_OPTION(settings.tocset.size_change[0])),
    bind::number(IDC_TOC_SIZE + 1, TW_OPTION(settings.tocset.size_change[1])),
    bind::number(IDC_TOC_SIZE + 2, TW_OPTION(settings.tocset.size_change[2])),
    bind::check(IDC_TOC_BOLD, TW_OPTION(settings.tocset.bold[0])),
    bind::check(IDC_TOC_BOLD + 1, TW_OPTION(settings.tocset.bold[1])),
    bind::check(IDC_TOC_BOLD + 2, TW_OPTION(settings.tocset.bold[2])),
    bind::check(IDC_TOC_ITALIC, TW_OPTION(settings.tocset.italic[0])),
    bind::check(IDC_TOC_ITALIC + 1, TW_OPTION(settings.tocset.italic[1])),
    bind::check(IDC_TOC_ITALIC + 2, TW_OPTION(settings.tocset.italic[2])),
    bind::check(IDC_TOC_CENTER, TW_OPTION(settings.tocset.center)),
    bind::check(IDC_TOC_BULLETS, TW_OPTION(settings.tocbuls)),
    bind::check(IDC_TOC_NO_SPACE, TW_OPTION(settings.titlelinksnospace)),
    bind::check(IDC_TOC_INDENT_SPACES, TW_OPTION(settings.v2toc.use_spaces)),
    bind::number(IDC_TOC_SPACES, TW_OPTION(settings.v2toc.spaces_per_level)),
    bind::number(IDC_TOC_MIN_LEVEL, TW_OPTION(settings.gtmin)),
    bind::number(IDC_TOC_MAX_LEVEL, TW_OPTION(settings.gtmax)),
    bind::number(IDC_TOC_LOCAL_MIN, TW_OPTION(settings.ltmin)),
    bind::number(IDC_TOC_LOCAL_MAX, TW_OPTION(settings.ltmax)),
    bind::check(IDC_TOC_IN_FRAME, TW_OPTION(settings.frm.in_frame)),
    bind::check(IDC_TOC_HOME_EXITS, TW_OPTION(settings.frm.home_exits_frame)),
    bind::radio(IDC_TOC_FRAME_POSITION, 2, TW_OPTION(settings.frm.position)),
    bind::number(IDC_TOC_FRAME_SIZE, TW_OPTION(settings.frm.toc_size)),
    bind::radio(IDC_TOC_FRAME_UNIT, 2, TW_OPTION(settings.v2frameset.size_unit)),
    bind::text(IDC_TOC_FRAME_FILE, TW_OPTION(settings.frm.page_name), kPageNameCut),
    bind::text(IDC_TOC_FRAME_TITLE, TW_OPTION(settings.frmt), kTitleCut),
    bind::check(IDC_TOC_FRAME_BORDER, TW_OPTION(settings.v2frameset.border)),
    bind::check(IDC_TOC_FRAME_RESIZE, TW_OPTION(settings.v2frameset.resizable)),
    bind::check(IDC_TOC_FRAME_SCROLL, TW_OPTION(settings.v2frameset.scrolling)),
};

bool finish_toc(ConversionState& state, ui::Dialog&) {
  PageSettings& s = state.project.settings;
  s.frm.toc_size_copy = s.frm.toc_size;
  if (s.tcfn.empty()) s.tcfn = PageSettings{}.tcfn;
  return true;
}

// --- Index --------------------------------------------------------------------------------

const Binding kIndexBindings[] = {
    bind::text(IDC_INDEX_TITLE, TW_OPTION(settings.ixt), kTitleCut),
    bind::text(IDC_INDEX_FILE, TW_OPTION(settings.ixfn), kPageNameCut),
    bind::check(IDC_INDEX_AZ, TW_OPTION(settings.ixaz)),
    bind::check(IDC_INDEX_SHOW_TITLE, TW_OPTION(settings.tocset.index_title)),
    bind::check(IDC_INDEX_AZ_USED, TW_OPTION(settings.azused)),
};

// HTML Help shows its own index: the page's look does not apply there.
void prepare_html_help_index(ui::Dialog& dialog, const ConversionState&, P&) {
  dialog.enable(IDC_INDEX_AZ, false);
  dialog.enable(IDC_INDEX_SHOW_TITLE, false);
  dialog.enable(IDC_INDEX_AZ_USED, false);
}

// --- Heading formats ----------------------------------------------------------------------

// Where heading level r goes in the wide-margin layout; the page title
// (record 0) has no place of its own.
int& placement_of(P& p, int r) {
  static int page_title_place = 0;
  if (r < 1 || r > 6) return page_title_place = 0;
  return p.settings.wdmgn1.placement[static_cast<std::size_t>(r - 1)];
}

const Binding kHeadingBindings[] = {
    bind::check(IDC_HEAD_SET_FORMAT, TW_OPTION(settings.headings[r].set_format)),
    bind::check(IDC_HEAD_SET_ALIGN, TW_OPTION(settings.headings[r].set_alignment)),
    bind::radio(IDC_HEAD_ALIGN, 3, TW_OPTION(settings.headings[r].alignment)),
    bind::number(IDC_HEAD_SIZE, TW_OPTION(settings.headings[r].size_change)),
    bind::check(IDC_HEAD_BOLD, TW_OPTION(settings.headings[r].bold)),
    bind::check(IDC_HEAD_ITALIC, TW_OPTION(settings.headings[r].italic)),
    bind::check(IDC_HEAD_FIXED, TW_OPTION(settings.headings[r].fixed)),
    bind::colour(IDC_HEAD_COLOUR, TW_OPTION(settings.headings[r].colour)),
    bind::check(IDC_HEAD_RULE_BEFORE, TW_OPTION(settings.headings[r].rule_before)),
    bind::check(IDC_HEAD_RULE_AFTER, TW_OPTION(settings.headings[r].rule_after)),
    bind::radio(IDC_HEAD_RULE_ALIGN, 3, TW_OPTION(settings.headings[r].rule_alignment)),
    bind::radio(IDC_HEAD_TOP_BUTTON, 3, TW_OPTION(settings.headings[r].top_button)),
    bind::text(IDC_HEAD_FACE, TW_OPTION(settings.headings[r].face), kTextCut),
    bind::radio(IDC_HEAD_PLACE, 3, placement_of),
};

void prepare_headings(ui::Dialog& dialog, const ConversionState&, P&) {
  for (std::string_view level : {"Page title", "Help &Topic/1", "Help &Popup/2", "Heading 3",
                                 "Heading 4", "Heading 5", "Heading 6"}) {
    dialog.add_item(IDC_HEAD_LEVEL, level);
  }
}

// The placement choice names the heading level shown; the page title has
// no place of its own, so its record hides the choice.
void show_heading_level(ui::Dialog& dialog, int record) {
  const bool heading = record >= 1 && record <= 6;
  if (heading) {
    std::string label = html::resource_string(kStrPlaceHeading);
    if (const auto at = label.find("%d"); at != std::string::npos) label.replace(at, 2, std::to_string(record));
    dialog.set_text(IDC_HEAD_PLACE_LABEL, label);
  }
  for (int id : {IDC_HEAD_PLACE_LABEL, IDC_HEAD_PLACE, IDC_HEAD_PLACE + 1, IDC_HEAD_PLACE + 2}) {
    dialog.show(id, heading);
  }
}

// --- Cross references -----------------------------------------------------------------

const Binding kCrossBindings[] = {
    bind::check(IDC_CROSS_CONVERT, TW_OPTION(settings.xref.convert)),
    bind::check(IDC_CROSS_FIRST_ONLY, TW_OPTION(settings.xref.first_only)),
    bind::text(IDC_CROSS_AUTOLINK_FILE, TW_OPTION(settings.xref.autolink_file), kPathCut),
    bind::text(IDC_CROSS_TARGET, TW_OPTION(settings.link_target), kTextCut),
    bind::check(IDC_CROSS_RELATED, TW_OPTION(settings.doreltopics)),
    bind::text(IDC_CROSS_RELATED_HEAD, TW_OPTION(settings.reltopicshead), kRelTopicsHeadCut),
};

void prepare_cross(ui::Dialog& dialog, const ConversionState&, P& work) {
  dialog.set_check(IDC_CROSS_AUTOLINK_ON, work.settings.xref.autolink_file.empty() ? 0 : 1);
}

std::optional<Complaint> check_cross(const P& edited, const P&, const ui::Dialog& dialog) {
  if (dialog.check(IDC_CROSS_AUTOLINK_ON) && edited.settings.xref.autolink_file.empty()) {
    return Complaint{kStrNoAutolinkFile, IDC_CROSS_AUTOLINK_FILE};
  }
  return std::nullopt;
}

bool finish_cross(ConversionState& state, ui::Dialog& dialog) {
  if (!dialog.check(IDC_CROSS_AUTOLINK_ON)) state.project.settings.xref.autolink_file.clear();
  return true;
}

void browse_autolink(ui::Dialog& dialog, ConversionState&, P&, int id) {
  if (id != IDC_CROSS_BROWSE) return;
  ui::FileDialogRequest request;
  request.filter = "*.txt";
  request.initial_file = dialog.text(IDC_CROSS_AUTOLINK_FILE);
  if (auto chosen = ui::host().file_dialog(dialog.handle(), request)) {
    dialog.set_text(IDC_CROSS_AUTOLINK_FILE, *chosen);
    dialog.set_check(IDC_CROSS_AUTOLINK_ON, 1);
  }
}

// --- Advanced options -------------------------------------------------------------------

const Binding kAdvancedBindings[] = {
    bind::check(IDC_ADV_RUN_PRE, TW_OPTION(extensions.run_pre)),
    bind::text(IDC_ADV_PRE_NAME, TW_OPTION(extensions.pre_name), kTextCut),
    bind::check(IDC_ADV_RUN_POST, TW_OPTION(extensions.run_post)),
    bind::text(IDC_ADV_POST_NAME, TW_OPTION(extensions.post_name), kPathCut),
    bind::check(IDC_ADV_FIX_LISTS, TW_OPTION(settings.fix_ol)),
    bind::check(IDC_ADV_REMOVE_DIR, TW_OPTION(settings.remove_dir)),
    bind::check(IDC_ADV_REMOVE_FRAMES, TW_OPTION(settings.remove_frames)),
    bind::check(IDC_ADV_REMOVE_FONT, TW_OPTION(settings.removefont)),
    bind::check(IDC_ADV_REMOVE_BOLD, TW_OPTION(settings.removebold)),
    bind::check(IDC_ADV_REMOVE_ITALIC, TW_OPTION(settings.removeitalic)),
    bind::check(IDC_ADV_FIX_BOLD, TW_OPTION(settings.fixnsbold)),
};

// "Adjust list indentation" stands for two keys: on when either is.
void prepare_advanced(ui::Dialog& dialog, const ConversionState& state, P& work) {
  work.settings.fix_ol = work.settings.fix_ol || work.settings.removehidden ? 1 : 0;
  dialog.set_check(IDC_ADV_LOWER_CASE, state.library.settings.set_lower_case ? 1 : 0);
  dialog.set_text(IDC_ADV_COMPILER, state.library.locations.compiler);
  dialog.set_text(IDC_ADV_CODEBASE, state.library.settings.hh_codebase);
}

std::optional<Complaint> check_advanced(const P& edited, const P&, const ui::Dialog& dialog) {
  if (edited.htmlhelp.use_htmlhelp && text::trim(dialog.text(IDC_ADV_COMPILER)).empty()) {
    return Complaint{kStrNoCompiler, IDC_ADV_COMPILER};
  }
  return std::nullopt;
}

bool finish_advanced(ConversionState& state, ui::Dialog& dialog) {
  state.project.settings.removehidden = state.project.settings.fix_ol;
  LibrarySettings& library = state.library;
  library.settings.set_lower_case = dialog.check(IDC_ADV_LOWER_CASE) ? 1 : 0;
  library.locations.compiler = text::cut(text::trim(dialog.text(IDC_ADV_COMPILER)), kPathCut);
  library.settings.hh_codebase = text::cut(text::trim(dialog.text(IDC_ADV_CODEBASE)), kTextCut);
  const LibrarySettings on_disk = read_library_settings(state.files.library);
  if (on_disk == library) return true;
  return write_library_settings(library, state.files.library);
}

}  // namespace

const OptionPage& html_help_toc_page() {
  static const OptionPage page{.template_name = "DLG_HHTOC",
                               .bindings = kHtmlHelpTocBindings,
                               .help_topic = help_topic::kHtmlHelpToc};
  return page;
}

const OptionPage& toc_page() {
  static const OptionPage page{.template_name = "DLG_TOC",
                               .bindings = kTocBindings,
                               .finish = finish_toc,
                               .help_topic = help_topic::kToc};
  return page;
}

const OptionPage& index_page() {
  static const OptionPage page{.template_name = "DLG_INDEX",
                               .bindings = kIndexBindings,
                               .help_topic = help_topic::kIndex};
  return page;
}

const OptionPage& html_help_index_page() {
  static const OptionPage page{.template_name = "DLG_INDEX",
                               .bindings = kIndexBindings,
                               .prepare = prepare_html_help_index,
                               .help_topic = help_topic::kHtmlHelpIndex};
  return page;
}

const OptionPage& headings_page() {
  static const OptionPage page{.template_name = "DLG_HEAD",
                               .bindings = kHeadingBindings,
                               .selector = IDC_HEAD_LEVEL,
                               .prepare = prepare_headings,
                               .show_record = show_heading_level,
                               .help_topic = help_topic::kHeadings};
  return page;
}

const OptionPage& cross_references_page() {
  static const OptionPage page{.template_name = "DLG_CROSS",
                               .bindings = kCrossBindings,
                               .prepare = prepare_cross,
                               .check = check_cross,
                               .finish = finish_cross,
                               .command = browse_autolink,
                               .help_topic = help_topic::kCrossReferences};
  return page;
}

const OptionPage& advanced_page() {
  static const OptionPage page{.template_name = "DLG_ADVOPTS",
                               .bindings = kAdvancedBindings,
                               .prepare = prepare_advanced,
                               .check = check_advanced,
                               .finish = finish_advanced,
                               .help_topic = help_topic::kAdvanced};
  return page;
}

}  // namespace wizard
