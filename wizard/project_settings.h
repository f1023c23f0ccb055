// The conversion settings record: every option of one publication as the
// project file (".lfc") stores it. Members carry the names of their keys; the
// initial values are the defaults a missing key yields. Tuple keys are small
// records whose members follow the stored field order.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace wizard {

// Page kinds, in the order of every per-kind triple.
enum class PageKind { toc = 0, index = 1, body = 2 };
constexpr int kPageKinds = 3;
// Position of a page kind in a per-kind triple.
constexpr std::size_t kind_index(PageKind kind) { return static_cast<std::size_t>(kind); }

// Windows colour values (red in the low byte).
constexpr long kWhite = 16777215;
constexpr long kBlue = 16711680;
constexpr long kPurple = 9116245;

// Per page kind: one value each for the TOC, index and body pages.
using KindFlags = std::array<int, kPageKinds>;
using ColourTriple = std::array<long, kPageKinds>;

// [TWHTML]: the help project being converted and the template it came from.
struct SourceOptions {
  std::string hpj;
  std::string bmroot;
  int use_brws_order = 1;
  int cnt_type = 0;           // 0: TOC from the .cnt; 1: the Contents topic
  std::string template_path;  // key "template"
  int use_template = 0;       // key "use template"
  int pngimages = 0;          // pictures as PNG (every colour kept) instead of GIF
  bool operator==(const SourceOptions&) const = default;
};

// [HTMLHELP]
struct HtmlHelpOptions {
  int use_htmlhelp = 0;
  int use_nethelp = 0;
  int java_htmlhelp = 1;
  int do_cx_map = 0;
  std::string hh_topic_text = "Introduction";
  int autocompile = 0;
  bool operator==(const HtmlHelpOptions&) const = default;
};

// [Extensions]: macros and scripts run around the conversion.
struct ExtensionOptions {
  int run_pre = 0;
  std::string pre_name;
  int run_post = 0;
  std::string post_name;
  bool operator==(const ExtensionOptions&) const = default;
};

// "xref": cross references into links.
struct CrossReferenceOptions {
  int convert = 1;
  int first_only = 0;          // only the first occurrence on each page
  std::string autolink_file;   // after ">"
  bool operator==(const CrossReferenceOptions&) const = default;
};

// "fnames": how page files are named.
struct FileNaming {
  int scheme = 0;  // 0 RTF name + number, 1 topic title, 2 context string
  int max_chars = 40;
  std::string extension = ".htm";
  bool operator==(const FileNaming&) const = default;
};

// "base": base font.
struct BaseFont {
  int size = 3;
  std::string face;
  bool operator==(const BaseFont&) const = default;
};

// Heading placement in the wide-margin layout (see MarginLayout).
enum class HeadingPlace { body = 0, margin = 1, span = 2 };

// "wdmgn1": the wide left margin layout.
struct MarginLayout {
  int headings_in_margin = 0;
  int margin_width = 200;                         // pixels
  std::array<int, 6> placement{1, 1, 1, 0, 0, 0};  // HeadingPlace of levels 1-6
  bool operator==(const MarginLayout&) const = default;
};

// "frm": frames.
struct FrameOptions {
  int in_frame = 0;          // main TOC and index in a frame
  int home_exits_frame = 1;
  int position = 0;          // 0 left, 1 top
  int toc_size = 30;         // percent or pixels (FrameSetOptions::size_unit)
  int toc_size_copy = 30;
  std::string page_name = "twzfrm.htm";
  bool operator==(const FrameOptions&) const = default;
};

// "tocset": TOC and index page options. The three text styles are in the
// order of the dialog's size lists.
struct TocPageOptions {
  int long_doc_enable = 1;
  int toc_title = 1;    // title at the top of the TOC page
  int index_title = 1;  // title at the top of the index page
  std::array<int, 3> size_change{1, 0, 0};
  std::array<int, 3> bold{1, 0, 0};
  std::array<int, 3> italic{0, 0, 0};
  int center = 0;
  bool operator==(const TocPageOptions&) const = default;
};

// "h0" ... "h6": heading formats. Alignments are 0 left, 1 center, 2 right.
struct HeadingFormat {
  int set_format = 0;
  int set_alignment = 0;
  int alignment = 0;
  int size_change = 0;
  int bold = 0;
  int italic = 0;
  int fixed = 0;
  long colour = 0;
  int rule_before = 0;
  int rule_after = 0;
  int rule_alignment = 0;
  int top_button = 0;  // 0 none, 1 left, 2 right
  std::string face;    // after ">"
  bool operator==(const HeadingFormat&) const = default;
};

// "tabv": tables. The two colours are stored border colour first, in the
// order of their two switches.
struct TableOptions {
  int set_width = 0;
  int explicit_columns = 0;  // 0 set by the browser, 1 explicitly
  int width_percent = 100;
  int border = 1;
  int spacing = 1;
  int padding = 1;
  int set_border_colour = 0;
  int set_background_colour = 0;
  long border_colour = 0;
  long background_colour = kWhite;
  bool operator==(const TableOptions&) const = default;
};

// "v2frameset": the frameset.
struct FrameSetOptions {
  int border = 1;
  int resizable = 1;
  int scrolling = 1;
  int size_unit = 0;  // 0 percent, 1 pixels
  bool operator==(const FrameSetOptions&) const = default;
};

// "v2toc": TOC indentation.
struct TocIndent {
  int use_spaces = 0;
  int spaces_per_level = 2;
  bool operator==(const TocIndent&) const = default;
};

// "hv", "fv": header or footer file, and on which page kinds.
struct PageFileSwitch {
  int on = 0;
  KindFlags kinds{1, 1, 1};
  bool operator==(const PageFileSwitch&) const = default;
};

// "bg_toc", "bg_ix", "bg": page background.
struct Background {
  int mode = 0;  // 0 default, 1 custom colour, 2 graphic
  std::string graphic;  // after ">"
  bool operator==(const Background&) const = default;
};

// One row of navigation buttons in "navbuts".
struct ButtonRow {
  int on = 0;
  int rule_before = 0;
  int rule_after = 0;
  int alignment = 0;
  int spacing = 1;  // blanks between buttons
  bool operator==(const ButtonRow&) const = default;
};

// "navbuts": navigation button rows.
struct NavBarOptions {
  int custom_style = 0;
  int standard_style = 0;  // index into the standard button styles
  ButtonRow top;
  ButtonRow bottom;
  int text_buttons = 0;    // button type: 0 graphic, 1 text
  bool operator==(const NavBarOptions&) const = default;
};

// "rule0": the standard rule.
struct RuleOptions {
  std::string alignment = "center";
  std::string width = "\"100%\"";  // kept with its double quotes
  int height = 2;
  int style = 0;        // standard rule style index, -1 custom graphic
  int use_graphic = 0;  // 0 standard rule, 1 custom graphic
  std::string graphic;  // after ">"
  bool operator==(const RuleOptions&) const = default;
};

// "sigv": the signature block.
struct SignatureOptions {
  int position = 1;   // 0 top, 1 bottom
  int alignment = 1;
  int bold = 0;
  int italic = 1;
  int html = 0;       // 0 plain text, 1 HTML
  int email_link = 1;
  KindFlags kinds{1, 1, 1};
  bool operator==(const SignatureOptions&) const = default;
};

// [Settings]: page options.
struct PageSettings {
  CrossReferenceOptions xref;
  std::string link_target = "_top";
  FileNaming fnames;
  BaseFont base;
  MarginLayout wdmgn1;
  int uniquenames = 0;
  FrameOptions frm;
  int doubbul = 0;
  int doubnum = 0;
  int lnkcaps = 0;
  int dothmb = 0;
  int noix = 0;
  int copied_graphics = 0;  // "copied graphics"
  int tocbuls = 1;
  int doreltopics = 0;
  std::string reltopicshead = "See Also:";
  TocPageOptions tocset;
  int ixaz = 1;
  int gtinct = 1;
  int ltmin = 1;
  int ltmax = 3;
  int gtmin = 1;
  int gtmax = 3;
  std::array<HeadingFormat, 7> headings;  // "h0" ... "h6"
  TableOptions tabv;
  int rmcss = 1;
  int precss = 0;
  int titlelinksnospace = 0;
  int ftabfont = 0;  // 0 unchanged, 1 remove <FONT>, 2 set formatting
  int tabaddsp = 1;
  std::string tabfface;
  std::string tabfsize;
  int removefont = 0;
  int removebold = 0;
  int removeitalic = 0;
  int fixnsbold = 0;
  int removehidden = 0;
  int fix_ol = 1;      // "Fix OL"
  int remove_dir = 1;  // "RemoveDIR"
  int remove_frames = 0;
  int dofoots = 0;
  int wanthbody = 1;
  int wanthhead = 1;
  int usempage = 0;
  std::string masterpg;
  int headcode = 0;
  int stylecode = 0;  // saved as whether bodystyle is set
  std::string bodystyle;
  FrameSetOptions v2frameset;
  TocIndent v2toc;
  PageFileSwitch hv;
  PageFileSwitch fv;
  int ltoc = 1;
  std::string hlo = "T-";
  std::string flo;
  std::string hd;
  std::string ft;
  std::string tct = "Table of Contents";
  std::string ixt = "Index";
  std::string frmt;
  std::string tcfn = "twztoc.htm";
  std::string ixfn = "lfcindx.htm";
  std::array<int, 4> longdoc{0, 0, 0, 0};  // local TOC starting at levels 2-5
  int allsame = 1;
  KindFlags ctclr{0, 0, 0};
  ColourTriple bc{kWhite, kWhite, kWhite};
  ColourTriple tn{0, 0, 0};
  ColourTriple tl{kBlue, kBlue, kBlue};
  ColourTriple ta{kBlue, kBlue, kBlue};
  ColourTriple tv{kPurple, kPurple, kPurple};
  Background bg_toc;
  Background bg_ix;
  Background bg;
  std::string cbutloc;
  std::string butfrom = "bluesq";
  std::string rulefrom;
  NavBarOptions navbuts;
  RuleOptions rule0;
  std::string sig;  // lines separated by CR LF (stored with "~~")
  SignatureOptions sigv;
  std::string se;
  int num_docs = 0;  // "num docs"
  int azused = 0;    // the index's A-Z bar links only letters that have entries
  bool operator==(const PageSettings&) const = default;
};

// Button types of the "Buttons" section.
enum class ButtonType {
  home = 0,
  toc = 1,
  index = 2,
  email = 3,
  next = 4,
  previous = 5,
  custom = 6,
};

// The URL that Next and Previous buttons show: the engine fills it in.
inline constexpr std::string_view kAutomaticUrl = "<Set Automatically>";

// One navigation button; the alternate text is its key in "Buttons".
struct NavButton {
  std::string alt_text;
  std::string graphic;
  std::string url;
  int type = static_cast<int>(ButtonType::custom);
  KindFlags kinds{1, 1, 1};  // shown on TOC, index, body pages
  bool operator==(const NavButton&) const = default;
};

// Every option of one publication.
struct ProjectSettings {
  SourceOptions twhtml;
  HtmlHelpOptions htmlhelp;
  ExtensionOptions extensions;
  PageSettings settings;
  std::vector<NavButton> buttons;  // in display order, left to right
  bool operator==(const ProjectSettings&) const = default;
};

}  // namespace wizard
