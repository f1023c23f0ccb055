// The conversion library's C surface: thin functions that convert the
// caller's arguments and call into the passes. The run state lives here and
// only here.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "html/analysis/bookmark_name.h"
#include "html/driver/conversion_run.h"
#include "html/index/finish_index.h"
#include "html/splitter/html_registration.h"
#include "html/pages/phrases.h"
#include "html/driver/process_files.h"
#include "html/driver/publish_summary.h"
#include "html/analysis/rtf_analysis.h"
#include "html/finishing/batch_control.h"
#include "html/finishing/location_checks.h"
#include "tarvenwick/twzhtml.h"
#include "tarvenwick/version.h"

namespace {

// The room FixBookmark may use in the caller's buffer: at least this, or
// the text's own length when that is longer (a name never grows by more
// than its leading "n").
constexpr std::size_t kBookmarkRoom = 256;

html::ConversionRun& run() {
  static html::ConversionRun state;
  return state;
}

// Copies text into a caller's buffer of the given room, cut to fit.
void copy_out(std::string_view text, char* buffer, std::size_t room) {
  std::size_t n = text.size() < room ? text.size() : room - 1;
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

}  // namespace

extern "C" {

TWZHTML_API int32_t process_rtf(void) { return html::process_rtf(run()); }

TWZHTML_API int32_t scan_rtf(int32_t) { return html::scan_rtf(run()); }

TWZHTML_API int32_t get_next_rtf(int32_t index, char* path) {
  std::optional<std::string> marker = html::get_next_rtf(run(), index);
  if (!marker || path == nullptr) return 0;
  copy_out(*marker, path, TWZHTML_PATH_BUFFER);
  return 1;
}

TWZHTML_API int32_t get_next_phrase(char* phrase, char* target, int32_t restart) {
  if (phrase == nullptr || target == nullptr) return 0;
  std::string p, t;
  if (html::get_next_phrase(run(), p, t, restart != 0) == 0) return 0;
  copy_out(p, phrase, TWZHTML_PHRASE_BUFFER);
  copy_out(t, target, TWZHTML_PHRASE_BUFFER);
  return 1;
}

TWZHTML_API int32_t AddHTMLFile(const char* file, const char* title) {
  return html::add_html_file(run(), file ? file : "", title ? title : "");
}

TWZHTML_API int32_t ProcessFiles(void) { return html::process_files(run()); }

TWZHTML_API int32_t AddIndexEntry(const char* keyword, const char* target) {
  if (keyword == nullptr || target == nullptr) return 0;
  return html::add_index_entry(run(), keyword, target) ? 1 : 0;
}

TWZHTML_API int32_t FinishIndex(const char*) { return html::finish_index_for_caller(run()); }

TWZHTML_API int32_t PublishSummary(char* text) {
  if (text == nullptr) return 0;
  copy_out(html::publish_summary(run()), text, TWZHTML_SUMMARY_BUFFER);
  return 1;
}

TWZHTML_API int32_t FixBookmark(char* text) {
  if (text == nullptr) return 0;
  std::size_t length = std::strlen(text);
  copy_out(html::fix_bookmark(text), text, std::max<std::size_t>(length, kBookmarkRoom - 1) + 1);
  return 1;
}

// --- Finishing a conversion: checks, HTML Help compile, browser, batch ---

TWZHTML_API int32_t check_cnt_exists(void) { return html::check_cnt_exists(run()); }

TWZHTML_API int32_t check_compiler_exists(void) { return html::check_compiler_exists(run()); }

TWZHTML_API int32_t RunBrowser(int32_t) { return html::run_browser(run()); }

TWZHTML_API int32_t SetBrowser(int32_t window) { return html::set_browser(run(), window); }

TWZHTML_API int32_t BatchControl(int32_t, int32_t start) { return html::batch_control(run(), start != 0); }

// --- end of finishing ---

TWZHTML_API int32_t TWGetVersion(char* text) {
  if (text == nullptr) return 0;
  std::strcpy(text, TARVENWICK_VERSION);
  return 1;
}

}  // extern "C"
