// The settings the topic page splitter works by, gathered once per run from
// the wizard's settings files and the project.
#pragma once
#include <string>

#include "wizard/project_settings.h"

namespace html {

struct ConversionRun;

// The longest link target of web links.
inline constexpr std::size_t kLinkTargetCut = 38;

struct SplitOptions {
  // Word 2000 HTML (embedded XML and style sheets).
  bool word2000 = false;
  bool keep_css = false;  // "precss": style sheets kept in ".css" files
  bool strip_css = true;  // "rmcss"
  // Line clean-up.
  std::string footnote_page;  // "dofoots": the footnote page whose links lose "file://"
  bool remove_font = false;
  bool fix_bold = false;  // "fixnsbold"
  bool remove_bold = false;
  bool remove_italic = false;
  bool remove_br = false;   // lfc.ini
  bool lower_case = false;  // lfc.ini "set lower case"
  bool word97 = false;
  bool fix_ol = true;
  bool remove_dir = true;
  bool auto_link = false;  // web-link markers become links
  std::string link_target = "_top";
  // Pages.
  wizard::FileNaming naming;
  bool home_from_anchors = false;  // the TOC is not made from the contents file
  std::string contents_topic;      // the help project's CONTENTS
  // The charset pages declare when the exported file names none: the one of
  // the project's language.
  std::string default_charset = "windows-1252";
};

SplitOptions split_options(const ConversionRun& run);

}  // namespace html
