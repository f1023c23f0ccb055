// The checks the caller makes before a conversion, and the dialogs that
// locate the HTML Help compiler and the web browsers.
#pragma once
#include <cstdint>

#include "formats/help_contexts.h"

namespace html {

struct ConversionRun;

// String resources of finishing a conversion (resources/twzhtml/finishing.rc).
inline constexpr int kStrNoCntForHtmlHelp = 5301;
inline constexpr int kStrNoCntForToc = 5302;
inline constexpr int kStrNoCompiler = 5303;
inline constexpr int kStrSelectCompiler = 5304;
inline constexpr int kStrSelectBrowser = 5305;
inline constexpr int kStrCompileNotice = 5306;

// The wizard help file's topic for the compiler location dialog.
inline constexpr std::uint32_t kCompilerDialogTopic = help_contexts::kHtmlHelpCompiler;

// check_cnt_exists: 1 when the help project has its ".cnt", else the
// message for the mode and 0.
int check_cnt_exists(ConversionRun& run);
// check_compiler_exists: 1 when the stored compiler exists, else the
// message and the location dialog's result.
int check_compiler_exists(ConversionRun& run);
// SetBrowser: the compiler dialog in HTML Help mode, else the browser dialog.
int set_browser(ConversionRun& run, std::int32_t window);
// RunBrowser: opens (or compiles) the publication even when "run" is 0.
int run_browser(ConversionRun& run);

// The dialogs (html/finishing/dialogs/): 1 on OK with the setting written,
// 0 on Cancel.
int edit_compiler_location(ConversionRun& run, std::int32_t window);
int edit_browsers(ConversionRun& run, std::int32_t window);

}  // namespace html
