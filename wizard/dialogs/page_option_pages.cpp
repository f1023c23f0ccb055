// The option pages of the page's look: navigation buttons and rules, page
// layout and signature, tables, page properties.
#include <algorithm>
#include <array>

#include "html/driver/messages.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/twzhtml/options.h"
#include "wizard/dialogs/head_code_dialog.h"
#include "wizard/dialogs/help_topics.h"
#include "wizard/dialogs/nav_button_dialog.h"
#include "wizard/dialogs/option_bindings.h"
#include "wizard/dialogs/wizard_texts.h"

namespace wizard {
namespace {

using P = ProjectSettings;

constexpr int kButtonStyles = 10000;
constexpr int kRuleStyles = 11000;
constexpr std::array<std::string_view, 6> kButtonGraphics = {
    "home.gif", "toc.gif", "indx.gif", "next.gif", "prev.gif", "email.gif"};

// Asks the host's file dialog for a file of the pattern, starting from
// what the field holds; nullopt when the author cancels.
std::optional<std::string> browse_for(const ui::Dialog& dialog, int field, std::string_view pattern) {
  ui::FileDialogRequest request;
  request.filter = std::string(pattern);
  request.initial_file = text::trim(dialog.text(field));
  return ui::host().file_dialog(dialog.handle(), request);
}

// Puts the chosen file into the field and turns on the switch it belongs to.
void browse_into(ui::Dialog& dialog, int field, std::string_view pattern, int switch_id) {
  if (auto chosen = browse_for(dialog, field, pattern)) {
    dialog.set_text(field, *chosen);
    dialog.set_check(switch_id, 1);
  }
}

// --- Navigation buttons and rules ------------------------------------------------

const Binding kNavBindings[] = {
    bind::check(IDC_NAV_CUSTOM, TW_OPTION(settings.navbuts.custom_style)),
    bind::choice(IDC_NAV_STYLE, TW_OPTION(settings.navbuts.standard_style)),
    bind::text(IDC_NAV_CUSTOM_LOCATION, TW_OPTION(settings.cbutloc), kPathCut),
    bind::check(IDC_NAV_TOP, TW_OPTION(settings.navbuts.top.on)),
    bind::check(IDC_NAV_TOP_RULE_BEFORE, TW_OPTION(settings.navbuts.top.rule_before)),
    bind::check(IDC_NAV_TOP_RULE_AFTER, TW_OPTION(settings.navbuts.top.rule_after)),
    bind::radio(IDC_NAV_TOP_ALIGN, 3, TW_OPTION(settings.navbuts.top.alignment)),
    bind::number(IDC_NAV_TOP_SPACING, TW_OPTION(settings.navbuts.top.spacing)),
    bind::check(IDC_NAV_BOTTOM, TW_OPTION(settings.navbuts.bottom.on)),
    bind::check(IDC_NAV_BOTTOM_RULE_BEFORE, TW_OPTION(settings.navbuts.bottom.rule_before)),
    bind::check(IDC_NAV_BOTTOM_RULE_AFTER, TW_OPTION(settings.navbuts.bottom.rule_after)),
    bind::radio(IDC_NAV_BOTTOM_ALIGN, 3, TW_OPTION(settings.navbuts.bottom.alignment)),
    bind::number(IDC_NAV_BOTTOM_SPACING, TW_OPTION(settings.navbuts.bottom.spacing)),
    bind::radio(IDC_NAV_TYPE, 2, TW_OPTION(settings.navbuts.text_buttons)),
    bind::radio(IDC_NAV_RULE_KIND, 2, TW_OPTION(settings.rule0.use_graphic)),
    bind::choice(IDC_NAV_RULE_STYLE, TW_OPTION(settings.rule0.style)),
    bind::text(IDC_NAV_RULE_GRAPHIC, TW_OPTION(settings.rule0.graphic), kPathCut),
};

void show_buttons(ui::Dialog& dialog, const std::vector<NavButton>& buttons, int selected) {
  dialog.clear_items(IDC_NAV_BUTTONS);
  for (const NavButton& b : buttons) dialog.add_item(IDC_NAV_BUTTONS, b.alt_text);
  if (selected >= 0 && selected < static_cast<int>(buttons.size())) {
    dialog.set_selection(IDC_NAV_BUTTONS, selected);
  }
}

// Custom graphics: the button style is the folder of the graphic chosen,
// the rule graphic the file itself.
void browse_nav_graphics(ui::Dialog& dialog, int id) {
  if (id == IDC_NAV_CUSTOM_BROWSE) {
    if (auto chosen = browse_for(dialog, IDC_NAV_CUSTOM_LOCATION, "*.gif")) {
      dialog.set_text(IDC_NAV_CUSTOM_LOCATION, platform::directory_of(*chosen));
      dialog.set_check(IDC_NAV_CUSTOM, 1);
    }
  } else if (id == IDC_NAV_RULE_BROWSE) {
    if (auto chosen = browse_for(dialog, IDC_NAV_RULE_GRAPHIC, "*.gif")) {
      dialog.set_text(IDC_NAV_RULE_GRAPHIC, *chosen);
      dialog.set_check(IDC_NAV_RULE_CUSTOM, 1);
      dialog.set_check(IDC_NAV_RULE_KIND, 0);
      dialog.set_check(IDC_NAV_RULE_KIND + 1, 1);
    }
  }
}

// The button list's own commands: add, edit, remove and move buttons.
void nav_command(ui::Dialog& dialog, ConversionState&, P& work, int id) {
  if (id == IDC_NAV_CUSTOM_BROWSE || id == IDC_NAV_RULE_BROWSE) return browse_nav_graphics(dialog, id);
  std::vector<NavButton>& buttons = work.buttons;
  const int at = dialog.selection(IDC_NAV_BUTTONS);
  const bool chosen = at >= 0 && at < static_cast<int>(buttons.size());
  const bool text_buttons = dialog.check(IDC_NAV_TYPE + 1) != 0;
  int selected = at;
  if (id == IDC_NAV_BUTTON_ADD) {
    NavButton fresh;
    if (!edit_nav_button(dialog.handle(), fresh, text_buttons)) return;
    buttons.insert(chosen ? buttons.begin() + at + 1 : buttons.end(), fresh);
    selected = chosen ? at + 1 : static_cast<int>(buttons.size()) - 1;
  } else if (id == IDC_NAV_BUTTON_EDIT && chosen) {
    if (!edit_nav_button(dialog.handle(), buttons[static_cast<std::size_t>(at)], text_buttons)) return;
  } else if (id == IDC_NAV_BUTTON_REMOVE && chosen) {
    buttons.erase(buttons.begin() + at);
    selected = std::min(at, static_cast<int>(buttons.size()) - 1);
  } else if ((id == IDC_NAV_BUTTON_UP && chosen && at > 0) ||
             (id == IDC_NAV_BUTTON_DOWN && chosen && at + 1 < static_cast<int>(buttons.size()))) {
    selected = id == IDC_NAV_BUTTON_UP ? at - 1 : at + 1;
    std::swap(buttons[static_cast<std::size_t>(at)], buttons[static_cast<std::size_t>(selected)]);
  } else {
    return;
  }
  show_buttons(dialog, buttons, selected);
}

void prepare_nav(ui::Dialog& dialog, const ConversionState&, P& work) {
  show_buttons(dialog, work.buttons, 0);
  for (const std::string& name : style_names(kButtonStyles)) dialog.add_item(IDC_NAV_STYLE, name);
  for (const std::string& name : style_names(kRuleStyles)) dialog.add_item(IDC_NAV_RULE_STYLE, name);
  const bool small = text::iends_with(work.settings.rulefrom, "s.gif");
  dialog.set_check(IDC_NAV_RULE_SIZE, small ? 0 : 1);
  dialog.set_check(IDC_NAV_RULE_SIZE + 1, small ? 1 : 0);
  dialog.set_check(IDC_NAV_RULE_CUSTOM, work.settings.rule0.style < 0 ? 1 : 0);
}

std::optional<Complaint> check_nav(const P& edited, const P&, const ui::Dialog& dialog) {
  if (edited.settings.navbuts.custom_style && edited.settings.cbutloc.empty()) {
    return Complaint{kStrNoButtonLocation, IDC_NAV_CUSTOM_LOCATION};
  }
  if (edited.settings.rule0.use_graphic && dialog.check(IDC_NAV_RULE_CUSTOM) &&
      edited.settings.rule0.graphic.empty()) {
    return Complaint{kStrNoRuleGraphic, IDC_NAV_RULE_GRAPHIC};
  }
  return std::nullopt;
}

bool copy_graphic(const std::string& from_folder, std::string_view name, const std::string& to) {
  return platform::copy_file(platform::join_path(from_folder, name), platform::join_path(to, name));
}

// Stores the chosen button and rule graphics and copies the standard ones
// into the output folder.
bool finish_nav(ConversionState& state, ui::Dialog& dialog) {
  PageSettings& s = state.project.settings;
  const std::string out = output_folder(state.location);
  const std::string graphics = platform::join_path(state.library.locations.main_dir, "graphics");
  bool ok = true;
  if (s.navbuts.custom_style) {
    s.butfrom = s.cbutloc;
  } else {
    const std::vector<std::string> styles = style_names(kButtonStyles);
    const auto index = static_cast<std::size_t>(s.navbuts.standard_style);
    if (index < styles.size()) {
      s.butfrom = styles[index];
      const std::string from = platform::join_path(platform::join_path(graphics, "buttons"), s.butfrom);
      for (std::string_view name : kButtonGraphics) ok = copy_graphic(from, name, out) && ok;
      s.copied_graphics = 1;
    }
  }
  if (!s.rule0.use_graphic) {
    s.rulefrom.clear();
  } else if (dialog.check(IDC_NAV_RULE_CUSTOM)) {
    s.rule0.style = -1;
    s.rulefrom = s.rule0.graphic;
  } else {
    const std::vector<std::string> rules = style_names(kRuleStyles);
    const auto index = static_cast<std::size_t>(std::max(0, s.rule0.style));
    if (index < rules.size()) {
      s.rule0.style = static_cast<int>(index);
      s.rulefrom = rules[index] + (dialog.check(IDC_NAV_RULE_SIZE + 1) ? "s.gif" : "l.gif");
      ok = copy_graphic(platform::join_path(graphics, "rules"), s.rulefrom, out) && ok;
    }
  }
  return ok;
}

// --- Page layout and signature -----------------------------------------------------

const Binding kLayoutBindings[] = {
    bind::text(IDC_LAYOUT_ABOVE, TW_OPTION(settings.hlo), kLayoutCut),
    bind::text(IDC_LAYOUT_BELOW, TW_OPTION(settings.flo), kLayoutCut),
    bind::check(IDC_LAYOUT_HEADER_ON, TW_OPTION(settings.hv.on)),
    bind::check(IDC_LAYOUT_HEADER_KINDS, TW_OPTION(settings.hv.kinds[0])),
    bind::check(IDC_LAYOUT_HEADER_KINDS + 1, TW_OPTION(settings.hv.kinds[1])),
    bind::check(IDC_LAYOUT_HEADER_KINDS + 2, TW_OPTION(settings.hv.kinds[2])),
    bind::text(IDC_LAYOUT_HEADER_FILE, TW_OPTION(settings.hd), kPathCut),
    bind::check(IDC_LAYOUT_FOOTER_ON, TW_OPTION(settings.fv.on)),
    bind::check(IDC_LAYOUT_FOOTER_KINDS, TW_OPTION(settings.fv.kinds[0])),
    bind::check(IDC_LAYOUT_FOOTER_KINDS + 1, TW_OPTION(settings.fv.kinds[1])),
    bind::check(IDC_LAYOUT_FOOTER_KINDS + 2, TW_OPTION(settings.fv.kinds[2])),
    bind::text(IDC_LAYOUT_FOOTER_FILE, TW_OPTION(settings.ft), kPathCut),
    bind::check(IDC_LAYOUT_LOCAL_TOC, TW_OPTION(settings.ltoc)),
    bind::check(IDC_LAYOUT_MASTER_ON, TW_OPTION(settings.usempage)),
    bind::text(IDC_LAYOUT_MASTER_FILE, TW_OPTION(settings.masterpg), kMasterPageCut),
    bind::check(IDC_LAYOUT_MARGIN_ON, TW_OPTION(settings.wdmgn1.headings_in_margin)),
    bind::number(IDC_LAYOUT_MARGIN_WIDTH, TW_OPTION(settings.wdmgn1.margin_width)),
    bind::text(IDC_LAYOUT_SIGNATURE, TW_OPTION(settings.sig), kTextCut),
    bind::radio(IDC_LAYOUT_SIG_POSITION, 2, TW_OPTION(settings.sigv.position)),
    bind::radio(IDC_LAYOUT_SIG_ALIGN, 3, TW_OPTION(settings.sigv.alignment)),
    bind::check(IDC_LAYOUT_SIG_BOLD, TW_OPTION(settings.sigv.bold)),
    bind::check(IDC_LAYOUT_SIG_ITALIC, TW_OPTION(settings.sigv.italic)),
    bind::radio(IDC_LAYOUT_SIG_KIND, 2, TW_OPTION(settings.sigv.html)),
    bind::check(IDC_LAYOUT_SIG_EMAIL_ON, TW_OPTION(settings.sigv.email_link)),
    bind::text(IDC_LAYOUT_SIG_EMAIL, TW_OPTION(settings.se), kTextCut),
    bind::check(IDC_LAYOUT_SIG_PAGES, TW_OPTION(settings.sigv.kinds[0])),
    bind::check(IDC_LAYOUT_SIG_PAGES + 1, TW_OPTION(settings.sigv.kinds[1])),
    bind::check(IDC_LAYOUT_SIG_PAGES + 2, TW_OPTION(settings.sigv.kinds[2])),
};

void browse_layout_files(ui::Dialog& dialog, ConversionState&, P&, int id) {
  if (id == IDC_LAYOUT_HEADER_BROWSE) browse_into(dialog, IDC_LAYOUT_HEADER_FILE, "*.htm", IDC_LAYOUT_HEADER_ON);
  if (id == IDC_LAYOUT_FOOTER_BROWSE) browse_into(dialog, IDC_LAYOUT_FOOTER_FILE, "*.htm", IDC_LAYOUT_FOOTER_ON);
  if (id == IDC_LAYOUT_MASTER_BROWSE) browse_into(dialog, IDC_LAYOUT_MASTER_FILE, "*.htm", IDC_LAYOUT_MASTER_ON);
}

// The shipped templates keep the e-mail switch on with no address (the
// signature then has no link); only an author who asks for the link here
// is asked for the address.
std::optional<Complaint> check_layout(const P& edited, const P& loaded, const ui::Dialog&) {
  const SignatureOptions& now = edited.settings.sigv;
  const bool asked = !loaded.settings.sigv.email_link || !loaded.settings.se.empty();
  if (now.email_link && edited.settings.se.empty() && asked) {
    return Complaint{kStrNoEmail, IDC_LAYOUT_SIG_EMAIL};
  }
  return std::nullopt;
}

// --- Tables ---------------------------------------------------------------------------

const Binding kTableBindings[] = {
    bind::check(IDC_TABLE_SET_WIDTH, TW_OPTION(settings.tabv.set_width)),
    bind::radio(IDC_TABLE_COLUMNS, 2, TW_OPTION(settings.tabv.explicit_columns)),
    bind::number(IDC_TABLE_WIDTH, TW_OPTION(settings.tabv.width_percent)),
    bind::number(IDC_TABLE_BORDER, TW_OPTION(settings.tabv.border)),
    bind::number(IDC_TABLE_SPACING, TW_OPTION(settings.tabv.spacing)),
    bind::number(IDC_TABLE_PADDING, TW_OPTION(settings.tabv.padding)),
    bind::check(IDC_TABLE_SET_BORDER_COLOUR, TW_OPTION(settings.tabv.set_border_colour)),
    bind::colour(IDC_TABLE_BORDER_COLOUR, TW_OPTION(settings.tabv.border_colour)),
    bind::check(IDC_TABLE_SET_BACKGROUND, TW_OPTION(settings.tabv.set_background_colour)),
    bind::colour(IDC_TABLE_BACKGROUND_COLOUR, TW_OPTION(settings.tabv.background_colour)),
    bind::radio(IDC_TABLE_FONT, 3, TW_OPTION(settings.ftabfont)),
    bind::check(IDC_TABLE_NBSP, TW_OPTION(settings.tabaddsp)),
    bind::text(IDC_TABLE_FACE, TW_OPTION(settings.tabfface), kTableFaceCut),
    bind::text(IDC_TABLE_SIZE, TW_OPTION(settings.tabfsize), kTableSizeCut),
};

std::optional<Complaint> check_table(const P& edited, const P&, const ui::Dialog&) {
  const PageSettings& s = edited.settings;
  if (s.ftabfont == 2 && s.tabfface.empty() && s.tabfsize.empty()) {
    return Complaint{kStrNoTableFont, IDC_TABLE_FACE};
  }
  return std::nullopt;
}

// --- Page properties ------------------------------------------------------------------

Background& background_of(P& p, int kind) {
  return kind == 0 ? p.settings.bg_toc : kind == 1 ? p.settings.bg_ix : p.settings.bg;
}

const Binding kDocumentBindings[] = {
    bind::number(IDC_DOC_BASE_SIZE, TW_OPTION(settings.base.size)),
    bind::text(IDC_DOC_BASE_FACE, TW_OPTION(settings.base.face), kTextCut),
    bind::check(IDC_DOC_ALL_SAME, TW_OPTION(settings.allsame)),
    bind::check(IDC_DOC_CUSTOM_COLOURS, TW_OPTION(settings.ctclr[r])),
    bind::colour(IDC_DOC_BACKGROUND_COLOUR, TW_OPTION(settings.bc[r])),
    bind::colour(IDC_DOC_TEXT_COLOUR, TW_OPTION(settings.tn[r])),
    bind::colour(IDC_DOC_LINK_COLOUR, TW_OPTION(settings.tl[r])),
    bind::colour(IDC_DOC_ACTIVE_COLOUR, TW_OPTION(settings.ta[r])),
    bind::colour(IDC_DOC_VISITED_COLOUR, TW_OPTION(settings.tv[r])),
    bind::radio(IDC_DOC_BACKGROUND, 3, [](P& p, int r) -> int& { return background_of(p, r).mode; }),
    bind::text(IDC_DOC_BACKGROUND_GRAPHIC,
               [](P& p, int r) -> std::string& { return background_of(p, r).graphic; }, kPathCut),
    bind::text(IDC_DOC_BODY_STYLE, TW_OPTION(settings.bodystyle), kBodyStyleCut),
    bind::radio(IDC_DOC_NAMING, 3, TW_OPTION(settings.fnames.scheme)),
    bind::number(IDC_DOC_NAME_CHARS, TW_OPTION(settings.fnames.max_chars)),
    bind::text(IDC_DOC_EXTENSION, TW_OPTION(settings.fnames.extension), kExtensionCharsCut + 1),
    bind::check(IDC_DOC_PREFIX_NAMES, TW_OPTION(settings.uniquenames)),
    bind::check(IDC_DOC_REMOVE_CSS, TW_OPTION(settings.rmcss)),
    bind::check(IDC_DOC_KEEP_CSS, TW_OPTION(settings.precss)),
    bind::check(IDC_DOC_HEAD_CODE, TW_OPTION(settings.headcode)),
};

void prepare_document(ui::Dialog& dialog, const ConversionState&, P&) {
  for (std::string_view kind : {"Table of contents page", "Index page", "Body pages"}) {
    dialog.add_item(IDC_DOC_KIND, kind);
  }
  dialog.set_selection(IDC_DOC_KIND, kind_index(PageKind::body));
}

// With "Same for All" the colours shown become those of every page kind.
bool finish_document(ConversionState& state, ui::Dialog& dialog) {
  PageSettings& s = state.project.settings;
  s.stylecode = s.bodystyle.empty() ? 0 : 1;
  if (s.fnames.max_chars < 0 || s.fnames.max_chars > kMaxNameChars) {
    s.fnames.max_chars = kDefaultNameChars;
  }
  if (s.allsame) {
    const auto from = static_cast<std::size_t>(std::max(0, dialog.selection(IDC_DOC_KIND)));
    for (std::size_t k = 0; k < kPageKinds; ++k) {
      s.ctclr[k] = s.ctclr[from];
      for (ColourTriple* triple : {&s.bc, &s.tn, &s.tl, &s.ta, &s.tv}) (*triple)[k] = (*triple)[from];
    }
  }
  return true;
}

void document_command(ui::Dialog& dialog, ConversionState& state, P&, int id) {
  if (id == IDC_DOC_EDIT_HEAD_CODE && edit_head_code_file(state, dialog.handle()) == 1) {
    dialog.set_check(IDC_DOC_HEAD_CODE, state.project.settings.headcode);
  }
  if (id == IDC_DOC_BACKGROUND_BROWSE) {
    if (auto chosen = browse_for(dialog, IDC_DOC_BACKGROUND_GRAPHIC, "*.gif")) {
      dialog.set_text(IDC_DOC_BACKGROUND_GRAPHIC, *chosen);
      for (int mode = 0; mode < 3; ++mode) dialog.set_check(IDC_DOC_BACKGROUND + mode, mode == 2 ? 1 : 0);
    }
  }
}

}  // namespace

const OptionPage& nav_buttons_page() {
  static const OptionPage page{.template_name = "DLG_NAV",
                               .bindings = kNavBindings,
                               .prepare = prepare_nav,
                               .check = check_nav,
                               .finish = finish_nav,
                               .command = nav_command,
                               .help_topic = help_topic::kNavButtons};
  return page;
}

const OptionPage& layout_page() {
  static const OptionPage page{.template_name = "DLG_LAYOUT",
                               .bindings = kLayoutBindings,
                               .check = check_layout,
                               .command = browse_layout_files,
                               .help_topic = help_topic::kPageLayout};
  return page;
}

const OptionPage& table_page() {
  static const OptionPage page{.template_name = "DLG_Table",
                               .bindings = kTableBindings,
                               .check = check_table,
                               .help_topic = help_topic::kTableFormat};
  return page;
}

const OptionPage& document_page() {
  static const OptionPage page{.template_name = "DLG_DOC",
                               .bindings = kDocumentBindings,
                               .selector = IDC_DOC_KIND,
                               .prepare = prepare_document,
                               .finish = finish_document,
                               .command = document_command,
                               .help_topic = help_topic::kPageProperties};
  return page;
}

std::string output_folder(const ProjectLocation& location) {
  const std::string& out = location.output_location;
  if (location.quick && platform::extension_of(out).empty()) return out;
  return std::string(platform::directory_of(out));
}

std::vector<std::string> style_names(int base) {
  std::vector<std::string> names;
  const long count = text::parse_int(html::resource_string(base));
  for (long i = 1; i <= count; ++i) names.push_back(html::resource_string(base + static_cast<int>(i)));
  return names;
}

}  // namespace wizard
