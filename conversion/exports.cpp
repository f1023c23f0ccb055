// The conversion library's C surface: thin functions that convert the
// caller's arguments and call into the passes. The run state lives here and
// only here.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "formats/document_wizard.h"
#include "platform/text.h"
#include "platform/ui/host.h"

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
#include "html/driver/messages.h"
#include "wizard/dialogs/option_dialog.h"
#include "wizard/dialogs/wizard_entry.h"
#include "wizard/language_names.h"
#include "wizard/projects/new_project.h"
#include "wizard/text_fixes.h"

namespace {

// The room FixBookmark may use in the caller's buffer: at least this, or
// the text's own length when that is longer (a name never grows by more
// than its leading "n").
constexpr std::size_t kBookmarkRoom = 256;

// Copies text into a caller's buffer of the given room, cut to fit.
void copy_out(std::string_view text, char* buffer, std::size_t room) {
  std::size_t n = text.size() < room ? text.size() : room - 1;
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

// The wizard's own state: the flag the start dialog sets and the settings
// the option dialogs load and save.
struct WizardSession {
  bool initialised = false;
  wizard::ConversionState conversion;
};

// What the library holds while it is loaded: the conversion run, the
// wizard's session and the caller's progress counter. It is made at the
// first call; the loader's attach and detach drop it, as mapping and
// unmapping the library would.
struct LoadedLibrary {
  html::ConversionRun run;
  WizardSession wizard;
  // The counter of the caller's progress calls (InitWizProgress, WizProgress).
  ui::ProgressCounter progress{wizard::wizard_progress_template()};
};

std::optional<LoadedLibrary>& library_slot() {
  static std::optional<LoadedLibrary> library;
  return library;
}

LoadedLibrary& loaded() {
  if (!library_slot()) library_slot().emplace();
  return *library_slot();
}

html::ConversionRun& run() { return loaded().run; }
WizardSession& session() { return loaded().wizard; }
ui::ProgressCounter& wizard_progress() { return loaded().progress; }

// The owner of the wizard's dialogs: the caller's window, else the host's.
int32_t owner_of(int32_t window) { return window > 0 ? window : ui::host().main_window(); }

// The caller's text with its blanks trimmed.
std::string trimmed(const char* text) { return text ? std::string(text::trim(text)) : std::string(); }

int32_t option_page(int32_t window, const wizard::OptionPage& page) {
  return wizard::run_option_page(session().conversion, page, owner_of(window));
}

constexpr std::size_t kLanguageNameRoom = 50;

}  // namespace

extern "C" {

// The loader's entry: a library attached or detached holds nothing from an
// earlier load; the state is made at the first call.
TWZHTML_API int32_t DllMain(void*, uint32_t, void*) {
  library_slot().reset();
  return 1;
}

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

// --- The wizard ----------------------------------------------------------------------

TWZHTML_API int32_t TWIsInit(int32_t) { return session().initialised ? 1 : 0; }

TWZHTML_API int32_t InitTW(int32_t, int32_t) {
  wizard::PageSettings& settings = session().conversion.project.settings;
  const wizard::PageSettings fresh;
  settings.rule0 = fresh.rule0;
  settings.sig = fresh.sig;
  settings.sigv = fresh.sigv;
  settings.headings = fresh.headings;  // the seven heading records h0-h6
  return 1;
}

TWZHTML_API int32_t GetInst(int32_t, int32_t) { return html::conversion_module(); }

TWZHTML_API int32_t AboutTW(int32_t window) {
  ui::DialogProc about;
  ui::host().run_modal(html::conversion_module(), "21000", about, owner_of(window));
  return 1;
}

TWZHTML_API int32_t FixString(char* text) {
  if (text == nullptr) return 0;
  const std::size_t length = std::strlen(text);
  copy_out(wizard::fix_string(text), text, length + 1);
  return 1;
}

TWZHTML_API int32_t LFCFixFileName(char* text) {
  if (text == nullptr) return 0;
  const std::size_t length = std::strlen(text);
  copy_out(wizard::fix_file_name(text), text, length + 1);
  return 1;
}

TWZHTML_API int32_t InitDocWiz(int32_t, char* path, int32_t count) {
  const std::string main_dir = wizard::read_library_settings(session().conversion.files.library).lfc.main_dir;
  return formats::init_document_wizard(wizard_progress(), main_dir, trimmed(path), count);
}

TWZHTML_API int32_t InitWizProgress(int32_t, int32_t maximum) {
  return formats::init_wizard_progress(wizard_progress(), maximum);
}

TWZHTML_API int32_t WizProgress(int32_t step) { return wizard_progress().advance(step); }

TWZHTML_API int32_t GetLang(char* n1, char* n2, char* n3, char* n4, char* n5, char* n6, char* n7,
                            char* n8) {
  const int language = wizard::read_library_settings(session().conversion.files.library).settings.language;
  const auto names = wizard::language_names(language);
  char* out[] = {n1, n2, n3, n4, n5, n6, n7, n8};
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (out[i] != nullptr) copy_out(names[i], out[i], kLanguageNameRoom);
  }
  return language >= 0 && language < wizard::kLanguages ? language : 0;
}

TWZHTML_API int32_t LFCStartUp(int32_t window) {
  return wizard::start_up(session().conversion.files, owner_of(window), session().initialised);
}

TWZHTML_API int32_t LFCSelFile(int32_t window, char* buffer, int32_t project) {
  if (buffer == nullptr) return 0;
  std::string chosen = trimmed(buffer);
  if (!wizard::select_file(session().conversion.files, owner_of(window), project != 0, chosen)) return 0;
  copy_out(chosen, buffer, TWZHTML_PATH_BUFFER);
  return 1;
}

TWZHTML_API int32_t TWHTMLCheckNewProj(char* path) {
  return wizard::check_new_project(session().conversion.files, trimmed(path)) ? 1 : 0;
}

TWZHTML_API int32_t LFCSetTemplate(int32_t window, char* path) {
  return wizard::set_template(session().conversion.files, owner_of(window), trimmed(path), true);
}

TWZHTML_API int32_t LFCSetTemplateNoMsg(int32_t window, char* path) {
  return wizard::set_template(session().conversion.files, owner_of(window), trimmed(path), false);
}

TWZHTML_API int32_t LFCShowGallery(int32_t window) {
  return wizard::show_gallery(session().conversion.files, owner_of(window));
}

TWZHTML_API int32_t SelectDocs(int32_t window, char* buffer) {
  if (buffer == nullptr) return 0;
  std::string chosen = trimmed(buffer);
  if (!wizard::select_documents(owner_of(window), chosen)) return 0;
  copy_out(chosen, buffer, TWZHTML_PATH_BUFFER);
  return 1;
}

TWZHTML_API int32_t NavButtons(int32_t window) { return option_page(window, wizard::nav_buttons_page()); }
TWZHTML_API int32_t PgLayout(int32_t window) { return option_page(window, wizard::layout_page()); }
TWZHTML_API int32_t TableFormat(int32_t window) { return option_page(window, wizard::table_page()); }

// The caller passes -7 to have the project loaded without showing anything.
TWZHTML_API int32_t PgProperties(int32_t window) {
  constexpr int32_t kLoadOnly = -7;
  return wizard::run_option_page(session().conversion, wizard::document_page(), owner_of(window),
                                 window == kLoadOnly);
}

TWZHTML_API int32_t FormatHHTOC(int32_t window) { return option_page(window, wizard::html_help_toc_page()); }
TWZHTML_API int32_t FormatTOC(int32_t window) { return option_page(window, wizard::toc_page()); }
TWZHTML_API int32_t FormatIndex(int32_t window) { return option_page(window, wizard::index_page()); }
TWZHTML_API int32_t FormatHHIndex(int32_t window) {
  return option_page(window, wizard::html_help_index_page());
}
TWZHTML_API int32_t FormatHeadings(int32_t window) { return option_page(window, wizard::headings_page()); }
TWZHTML_API int32_t CrossReferences(int32_t window) {
  return option_page(window, wizard::cross_references_page());
}
TWZHTML_API int32_t Translations(int32_t window) {
  return wizard::edit_translations(session().conversion, owner_of(window));
}
TWZHTML_API int32_t AdvancedOptions(int32_t window) { return option_page(window, wizard::advanced_page()); }

}  // extern "C"
