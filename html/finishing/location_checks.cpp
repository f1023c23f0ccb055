#include "html/finishing/location_checks.h"

#include "html/driver/conversion_run.h"
#include "html/driver/messages.h"
#include "html/finishing/publication.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace html {

int check_cnt_exists(ConversionRun& run) {
  wizard::load_conversion_state(run.settings);
  const std::string& hpj = run.settings.authoring.project;
  if (!hpj.empty() && platform::file_exists(platform::replace_extension(hpj, ".cnt"))) return 1;
  bool html_help = run.settings.project.htmlhelp.use_htmlhelp != 0;
  show_message(resource_string(html_help ? kStrNoCntForHtmlHelp : kStrNoCntForToc));
  return 0;
}

int check_compiler_exists(ConversionRun& run) {
  wizard::load_conversion_state(run.settings);
  const std::string& compiler = run.settings.library.locations.compiler;
  if (!compiler.empty() && platform::file_exists(compiler)) return 1;
  show_message(resource_string(kStrNoCompiler), ui::kMbOk, kWizardCaption);
  return edit_compiler_location(run, 0);
}

int set_browser(ConversionRun& run, std::int32_t window) {
  wizard::load_conversion_state(run.settings);
  if (run.settings.project.htmlhelp.use_htmlhelp != 0) return edit_compiler_location(run, window);
  return edit_browsers(run, window);
}

int run_browser(ConversionRun& run) {
  wizard::load_conversion_state(run.settings);
  int code = finish_publication(run, true);
  return code >= 32 ? 1 : 0;
}

}  // namespace html
