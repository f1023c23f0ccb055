#include "html/splitter/split_options.h"

#include "html/driver/conversion_run.h"
#include "html/pages/phrases.h"
#include "html/analysis/project_hpj.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "rtf/code_page.h"
#include "wizard/derived_settings.h"
#include "wizard/limits.h"

namespace html {

SplitOptions split_options(const ConversionRun& run) {
  const wizard::ConversionState& s = run.settings;
  const wizard::PageSettings& page = s.project.settings;
  SplitOptions o;
  o.word2000 = s.library.settings.w2kflag != 0;
  o.keep_css = page.precss != 0;
  o.strip_css = page.rmcss != 0;
  if (page.dofoots != 0)
    o.footnote_page = wizard::project_stem(s.location.project_file) + "_footnotes.htm";
  o.remove_font = page.removefont != 0;
  o.fix_bold = page.fixnsbold != 0;
  o.remove_bold = page.removebold != 0;
  o.remove_italic = page.removeitalic != 0;
  o.remove_br = s.converter.remove_br != 0;
  o.lower_case = s.converter.set_lower_case != 0;
  o.word97 = s.library.settings.word97 != 0;
  o.fix_ol = page.fix_ol != 0;
  o.remove_dir = page.remove_dir != 0;
  // The second number of "xref" switches auto-linking.
  std::string xref = platform::get_profile_string(
      "Settings", "xref", "1 0", wizard::kTextTupleCut + 1, s.location.project_file);
  o.auto_link = parse_auto_link(xref).auto_link;
  o.link_target = text::cut(page.link_target, kLinkTargetCut);
  o.naming = page.fnames;
  o.home_from_anchors = s.project.twhtml.cnt_type != 0;
  o.contents_topic = run.project.contents_topic;
  o.default_charset = rtf::charset_name(run.project.code_page);
  return o;
}

}  // namespace html
