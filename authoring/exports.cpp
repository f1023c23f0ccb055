// The authoring library's C surface: thin functions that convert arguments,
// call into the subsystems with the one library state, and copy texts back.
#include "tarvenwick/trvwck32.h"
#include "tarvenwick/version.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "aids/convert_dialogs.h"
#include "contents/contents_file.h"
#include "contents/dialogs/contents_editor.h"
#include "contents/dialogs/preview_page.h"
#include "contents/title_updates.h"
#include "aids/document_import.h"
#include "aids/jump_commands.h"
#include "aids/keyword_commands.h"
#include "aids/link_dialog.h"
#include "aids/prompt_dialog.h"
#include "aids/embedded_window.h"
#include "aids/insert_button.h"
#include "aids/insert_macro.h"
#include "aids/bitmap_path.h"
#include "aids/insert_bitmap.h"
#include "aids/multimedia_dialog.h"
#include "aids/bullet_dialog.h"
#include "aids/styles_dialog.h"
#include "aids/wizard_answers.h"
#include "aids/distribution_build.h"
#include "aids/keyword_dialogs.h"
#include "aids/keyword_entry.h"
#include "contents/outline_command.h"
#include "core/help_commands.h"
#include "core/language.h"
#include "authoring/library_state.h"
#include "authoring/lifecycle.h"
#include "core/messages.h"
#include "project/topics/position_stack.h"
#include "core/project_paths.h"
#include "core/settings.h"
#include "formats/document_wizard.h"
#include "authoring/startup.h"
#include "core/text_commands.h"
#include "core/topic_iteration.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/dialogs/context_dialogs.h"
#include "project/compile/compile_driver.h"
#include "project/dialogs/compile_progress.h"
#include "project/files/data_file.h"
#include "project/dialogs/error_viewer.h"
#include "project/dialogs/topic_dialog/get_topic.h"
#include "authoring/topic_delete.h"
#include "project/dialogs/topic_finder.h"
#include "project/dialogs/topic_group.h"
#include "project/report/topic_report.h"
#include "project/topics/imported_topics.h"
#include "project/dialogs/project_dialogs.h"
#include "project/files/project_update.h"

namespace {

// The least room the caller gives a text buffer, terminator included.
constexpr size_t kCallerRoom = 256;
// Room of the word processor's localized-name buffers, terminator included.
constexpr size_t kLanguageNameRoom = 50;

// What the library holds while it is loaded: the library state and the
// contents model the editor and the finder's preview share. It is made at
// the first call; the loader's attach and detach drop it, as mapping and
// unmapping the library would.
struct LoadedLibrary {
  authoring::LibraryState state;
  contents::ContentsSession contents;
};

std::optional<LoadedLibrary>& loaded() {
  static std::optional<LoadedLibrary> library;
  return library;
}

LoadedLibrary& attach() {
  if (!loaded()) {
    loaded().emplace();
    authoring::AttachLibrary(loaded()->state);
  }
  return *loaded();
}

authoring::LibraryState& library() { return attach().state; }

contents::ContentsSession& contents_session() { return attach().contents; }

// Text arguments arrive with blanks around them; most exports drop those.
std::string arg(const char* text) { return text ? std::string(text::trim(text)) : std::string(); }

// The caller sizes its buffers for the longest text each export writes, so
// a text goes back whole; texts that are cut are cut by the command itself.
void put(char* buffer, std::string_view value) {
  if (!buffer) return;
  std::memcpy(buffer, value.data(), value.size());
  buffer[value.size()] = '\0';
}

// For buffers whose room is known: the text cut to max characters.
void put_cut(char* buffer, std::string_view value, size_t max) { put(buffer, value.substr(0, max)); }

// The word processor names its own document (".doc"); the project knows the
// topic file by its RTF copy, and the project-document check looks for that.
std::string topic_document(const char* document) {
  std::string path = arg(document);
  if (text::iends_with(path, ".doc")) path.replace(path.size() - 4, 4, ".rtf");
  return path;
}

// InsertJump and InsertDef: the click text and target go back trimmed even
// after Cancel; the format only after OK.
int32_t insert_jump(int32_t window, bool jump, char* document, char* click_text, char* target, char* format) {
  std::string click = click_text ? click_text : "", goal = target ? target : "", form = format ? format : "";
  int32_t result = aids::InsertJumpCommand(library(), window, jump, topic_document(document), click, goal, form);
  put(click_text, click);
  put(target, goal);
  if (result != 0) put(format, form);
  return result;
}

}  // namespace

extern "C" {

// --- Library state and project -------------------------------------------------

// The loader's entry: a library attached or detached holds nothing from an
// earlier load; the state is made at the first call, as before (attaching
// touches no setting, so loading the library alone writes nothing).
TRVWCK32_API int32_t DllMain(void*, uint32_t, void*) {
  loaded().reset();
  return 1;
}

int32_t InitTW(int32_t window, int32_t mode) { return authoring::InitTW(library(), window, mode); }

int32_t TWStartUp(int32_t window, char* document) {
  std::string doc;
  int32_t result = authoring::TWStartUp(library(), window, doc);
  if (result != 0) put(document, doc);
  return result;
}

int32_t TWIsInit(int32_t) {
  auto& state = library();
  if (state.compile_window != 0 && ui::host().is_window(state.compile_window)) {
    ui::host().send_timer(state.compile_window, project::kCompileTimerId);
  }
  return state.initialised ? 1 : 0;
}

int32_t GetInst(int32_t, int32_t) { return library().instance; }

int32_t IsProjSet(int32_t window, char* project_path) {
  auto& state = library();
  state.owner_window = window;
  if (!state.project_set) project::LoadSettings(state);
  put(project_path, state.project_set ? state.project_path : std::string());
  return state.project_set ? 1 : 0;
}

int32_t GetProjPath(char* directory) {
  put(directory, core::project_directory(library().project_path));
  return 1;
}

int32_t SaveAll(int32_t) {
  auto& state = library();
  // The option file is written on every save, even when the topic data is
  // unchanged: a decided compiler (W95) must survive the session.
  if (state.project_set) project::SaveProjectData(state);
  core::SaveSettings(state);
  return 1;
}

int32_t TWZSaveAll(int32_t ignored) { return SaveAll(ignored); }

int32_t TWHelp(int32_t window, int32_t) { return core::TWHelp(library(), window); }
int32_t RunHelp(int32_t window) { return core::RunHelp(library(), window); }
int32_t AboutTW(int32_t window) { return authoring::AboutTW(library(), window); }

int32_t FixBookmark(char* text) {
  if (!text) return 0;
  // A name may grow by its leading "n"; the buffer holds at least 256.
  put_cut(text, core::FixBookmark(text), std::max(std::strlen(text), kCallerRoom - 1));
  return 1;
}

int32_t FixString(char* text) {
  if (!text) return 0;
  put_cut(text, core::FixString(text), std::strlen(text));
  return 1;
}

int32_t GetAllFiles(char* document, char* flag) {
  std::string doc = arg(document);
  int32_t result = core::GetAllFiles(library(), doc, arg(flag));
  put(document, doc);
  return result;
}

int32_t SaveDest(int32_t page, int32_t line, int32_t n) {
  return project::SaveDest(library(), page, line, n);
}

int32_t GetDest(char* position, char* number) {
  std::string pos, num;
  int32_t result = project::GetDest(library(), pos, num);
  if (result) {
    put(position, pos);
    put(number, num);
  }
  return result;
}

int32_t SaveDest6(int32_t page, int32_t line, char* document) {
  return project::SaveDest6(library(), page, line, arg(document));
}

int32_t GetDest6(char* position, char* document) {
  std::string pos, doc;
  int32_t result = project::GetDest6(library(), pos, doc);
  if (result != 0) put(position, pos);
  if (result == 1) put(document, doc);
  return result;
}

int32_t GetDestFile6(char* context, char* file_name, char* path) {
  std::string name, full;
  int32_t result = project::GetDestFile6(library(), arg(context), name, full);
  if (result == 1) {
    put(file_name, name);
    put(path, full);
  }
  return result;
}

int32_t GetLang(char* n1, char* n2, char* n3, char* n4, char* n5, char* n6, char* n7) {
  auto names = core::GetLang(library());
  char* out[] = {n1, n2, n3, n4, n5, n6, n7};
  for (size_t i = 0; i < names.size(); ++i) put_cut(out[i], names[i], kLanguageNameRoom - 1);
  return 1;
}

int32_t GetLang2(char* n1, char* n2, char* n3, char* n4, char* n5, char* n6) {
  auto names = core::GetLang2(library());
  char* out[] = {n1, n2, n3, n4, n5, n6};
  for (size_t i = 0; i < names.size(); ++i) put_cut(out[i], names[i], kLanguageNameRoom - 1);
  return 1;
}

// --- Help project and context IDs ------------------------------------------------

int32_t SetOptions(int32_t window, int32_t) { return project::SetOptions(library(), window); }

int32_t AddTAG(char* tag) { return project::AddTAG(library(), arg(tag)); }

// The cleaned texts go back into the caller's buffers; they are never longer.
int32_t AddCX(char* context, char* title) {
  if (!context || !title) return 0;
  std::string cx = context, ti = title;
  int32_t result = project::AddCX(library(), cx, ti);
  put_cut(context, cx, std::strlen(context));
  put_cut(title, ti, std::strlen(title));
  return result;
}

int32_t AddCX2(char* context, char* title, char* document) {
  if (!context || !title) return 0;
  std::string cx = context, ti = title;
  int32_t result = project::AddCX2(library(), cx, ti, topic_document(document));
  if (result != 0) {
    put_cut(context, cx, std::strlen(context));
    put_cut(title, ti, std::strlen(title));
  }
  return result;
}

int32_t CxList(int32_t window) { return project::CxList(library(), window); }

int32_t Import_IDS(int32_t window, char* document) {
  return project::Import_IDS(library(), window, topic_document(document));
}

int32_t TWImport1(int32_t window, char* document) {
  return project::TWImport1(library(), window, topic_document(document));
}

// --- Topics, browse sequences and the topic report --------------------------------

int32_t GetTopic(int32_t window, char* document, char* title, char* context, char* browse, char* k_keywords,
                 char* a_keywords, char* counter, char* footnote, char* build_tags, char* topic_window) {
  char* buffers[] = {title, context, browse, k_keywords, a_keywords, counter, footnote, build_tags, topic_window};
  project::TopicTexts texts;
  std::string* fields[] = {&texts.title,   &texts.context,  &texts.browse,     &texts.k_keywords, &texts.a_keywords,
                           &texts.counter, &texts.footnote, &texts.build_tags, &texts.window};
  for (size_t i = 0; i < std::size(fields); ++i) *fields[i] = buffers[i] ? buffers[i] : "";
  int32_t result = project::GetTopic(library(), window, topic_document(document), texts);
  if (result != project::kTopicCancelled || window == project::kNoDialogWindow) {
    for (size_t i = 0; i < std::size(fields); ++i) put(buffers[i], *fields[i]);
  }
  return result;
}

int32_t DelTopic(char* context) { return authoring::DelTopic(library(), arg(context)); }

int32_t GotoTopic(int32_t window, char* document, char* context) {
  std::string doc, name;
  authoring::LibraryState& state = library();
  project::FinderPages pages;
  pages.contents = [&state](project::FinderPageHooks hooks) -> std::unique_ptr<ui::DialogProc> {
    contents::PreviewHooks preview{std::move(hooks.set_caption),
                                   [go_to = std::move(hooks.go_to)](std::string context) { go_to(context); }};
    return std::make_unique<contents::PreviewPage>(state, contents_session(), contents::contents_path(state.project_path),
                                                   std::move(preview));
  };
  int32_t result = project::GotoTopic(state, window, doc, name, pages);
  if (result != 0) {
    put(document, doc);
    put(context, name);
  }
  return result;
}

int32_t NextItem(int32_t, char* context, char* browse) {
  std::string name, text;
  int32_t result = project::NextItem(library(), name, text);
  put(context, name);
  put(browse, text);
  return result;
}

int32_t EditGroup(int32_t window, char* document, char* preference) {
  std::string list, pref;
  int32_t result = project::EditGroup(library(), window, topic_document(document), list, pref);
  if (!pref.empty()) put(preference, pref);
  if (result != project::kGroupCancelled) put(document, list);
  return result;
}

int32_t DeleteItem(int32_t window, char* document) {
  return authoring::DeleteItem(library(), window, topic_document(document));
}

int32_t EditContents(int32_t window, int32_t) {
  return contents::EditContents(library(), contents_session(), window);
}

int32_t GetContentsPath(char* path) {
  constexpr size_t kPathRoom = 260;
  put_cut(path, contents::GetContentsPath(library().project_path), kPathRoom - 1);
  return 1;
}

int32_t update_title_or_cx(char* old_context, char* new_context, char* new_title) {
  authoring::LibraryState& state = library();
  if (state.project_path.empty()) return 1;
  // The preview reads the file afresh next time.
  contents_session().model.loaded = false;
  return contents::update_title_or_cx(contents::contents_path(state.project_path), arg(old_context),
                                      arg(new_context), arg(new_title))
             ? 1
             : 0;
}

int32_t GenReport(int32_t window, char* path) {
  std::string report;
  int32_t result = project::GenReport(library(), window, report);
  if (!report.empty()) put(path, report);
  return result;
}

// --- Compiling --------------------------------------------------------------------

int32_t GenFiles(char* document, char* project) {
  std::string directory, path;
  int32_t result = project::GenFiles(library(), topic_document(document), directory, path);
  put(document, directory);
  if (!path.empty()) put(project, path);
  return result;
}

int32_t ViewErrors(int32_t window, char* topic_file, char* position, char* message) {
  project::ProblemTopic problem;
  int32_t result = project::ViewErrors(library(), window, problem);
  if (result == 1) {
    put(topic_file, problem.topic_file);
    put(position, problem.position);
    put(message, problem.message);
  }
  return result;
}

int32_t Is30Compiler(void) { return library().compiler_kind == 2 ? 1 : 0; }

int32_t Is95Compiler(int32_t) { return library().win95_compiler; }

// --- Keyword indexes ----------------------------------------------------------------

// ask = 0 rebuilds the keyword databases; otherwise the distribution index
// is built after its dialog.
int32_t BuildKeywordIndex(int32_t window, int32_t, int32_t ask) {
  if (ask != 0) return aids::BuildDistributionIndex(library(), window);
  return aids::RebuildKeywordIndexes(library(), window);
}

int32_t update_keys(char* context, char* title, char* old_keywords, char* new_keywords, int32_t mode) {
  return aids::UpdateTopicKeys(library(), arg(context), arg(title), arg(old_keywords), arg(new_keywords), mode);
}

int32_t DocWizFindTopics(char* keywords, int32_t kind) {
  return aids::FindTopicsForMacro(library(), arg(keywords), kind);
}

int32_t DocWizGetNext(char* title, char* context) {
  std::string found_title, found_context;
  int32_t result = aids::NextMacroResult(library(), found_title, found_context);
  // The texts come from a database file, which may hold anything: they are
  // cut to the room every caller gives.
  put_cut(title, found_title, kCallerRoom - 1);
  put_cut(context, found_context, kCallerRoom - 1);
  return result;
}

int32_t InsertKey(int32_t window, char* text, char* kind) {
  if (!text) return 0;
  std::string keywords = text;
  int32_t result = aids::InsertKeyword(library(), window, keywords, kind ? kind : "");
  if (result == 1) put_cut(text, keywords, aids::kKeyTextMax + 1);
  return result;
}

int32_t ShowKeyList(int32_t window, int32_t which, int32_t) { return aids::ShowKeyList(library(), window, which); }

int32_t GetKeySearchResult(char* context) {
  if (!context) return 0;
  const std::string& chosen = library().keywords.chosen_context;
  put_cut(context, chosen, kCallerRoom - 1);
  return chosen.empty() ? 0 : 1;
}

int32_t DoKLink(int32_t window, char* keywords, int32_t kind) {
  if (!keywords) return 0;
  std::string text = keywords;
  int32_t result = aids::TestKeywordLink(library(), window, text, kind);
  if (result == 1) put_cut(keywords, text, kCallerRoom - 1);
  return result;
}

// --- Jumps, pop-ups and keyword jumps ----------------------------------------------

int32_t InsertJump(int32_t window, char* document, char* click_text, char* target, char* format) {
  return insert_jump(window, true, document, click_text, target, format);
}

int32_t InsertDef(int32_t window, char* document, char* click_text, char* target, char* format) {
  return insert_jump(window, false, document, click_text, target, format);
}

int32_t InsertMidTop(int32_t window, char* document, char* context) {
  std::string name = arg(context);
  int32_t result = aids::InsertMidTopCommand(library(), window, topic_document(document), name);
  if (result != 0) put(context, name);
  return result;
}

int32_t InsertLink(int32_t window, char* link_text, char* click_text, char* format, char* document) {
  aids::LinkRequest request;
  request.link_text = link_text ? link_text : "";
  request.click_text = click_text ? click_text : "";
  request.format = format ? format : "";
  int32_t result = aids::InsertLinkCommand(library(), window, topic_document(document), request);
  if (result != 0) {
    put(link_text, request.link_text);
    put(click_text, request.click_text);
    put(format, request.format);
  }
  return result;
}

int32_t Prompt(int32_t window, int32_t kind, char* occurrence) {
  return aids::PromptCommand(library(), window, kind, arg(occurrence));
}

int32_t Convert(int32_t window, char* choices) {
  std::string digits = arg(choices);
  int32_t result = aids::ConvertCommand(library(), window, digits);
  if (result != 0) put(choices, digits);
  return result;
}

int32_t LocalizeLinks(int32_t window, char* help_file) {
  std::string file = arg(help_file);
  int32_t result = aids::LocalizeLinksCommand(library(), window, file);
  if (result != 0) put(help_file, file);
  return result;
}

int32_t ImpDoc(int32_t window, char* document, char* style, char* choices) {
  aids::ImportRequest request;
  request.document = arg(document);
  int32_t result = aids::ImportDocumentCommand(library(), window, request);
  if (result != 0) {
    put(document, request.document);
    put(style, request.style);
    put_cut(choices, request.choices, aids::kImportChoices);
  }
  return result;
}

// --- Buttons and macros ------------------------------------------------------------

int32_t InsertMacro(int32_t window, char* document, char* text, char* macro, char* format) {
  std::string edited = arg(macro), form = arg(format);
  const int32_t result = aids::InsertMacro(library(), window, topic_document(document), arg(text), edited, form);
  if (result == 0) return 0;
  put(macro, edited);
  put(format, form);
  return result;
}

int32_t InsertButton(int32_t window, char* document, char* text, char* target, char*, char* test, char*) {
  aids::InsertButtonResult out;
  const int32_t result = aids::InsertButton(library(), window, topic_document(document), arg(text), arg(target), out);
  if (result == 0) return 0;
  put(text, out.field);
  put(target, out.text);
  put(test, out.test_flag);
  return result;
}

int32_t InsertShortcut(int32_t window, char* document, char* text, char* macro, char*, char* flag, char* picture) {
  std::string edited = macro ? std::string(macro) : std::string(), path;
  const int32_t result = aids::InsertShortcut(library(), window, topic_document(document), edited, path);
  if (result == 0) return 0;
  put(macro, edited);
  put(flag, "0");
  put(picture, path);
  put(text, "");
  return result;
}

// --- Pictures ---------------------------------------------------------------------

int32_t InsertBitmap(int32_t window, char* document, char* graphic_file, char* target, char* alignment,
                     char* test, char* display_path) {
  aids::InsertBitmapResult out;
  const int32_t result =
      aids::InsertBitmap(library(), window, topic_document(document), arg(graphic_file), arg(target), out);
  if (result == 0) return 0;
  // A picture name or target the caller's buffer cannot hold whole would be
  // inserted broken: nothing is inserted and the author is told.
  if (out.graphic_file.size() >= kCallerRoom || out.target.size() >= kCallerRoom) {
    core::show_message(library(), text::format(core::resource_string(aids::kStrPictureTooLong).c_str(),
                                               static_cast<int>(kCallerRoom - 1)),
                       ui::kMbOk | ui::kMbIconExclamation);
    return 0;
  }
  put(graphic_file, out.graphic_file);
  put(target, out.target);
  put(alignment, out.alignment);
  put(test, out.test_flag);
  // A display path that does not fit is one the word processor cannot show.
  put(display_path, out.display_path.size() < kCallerRoom ? out.display_path : std::string());
  return result;
}

int32_t GetBitPath(char* code, char* path) {
  std::string found;
  const int32_t result = aids::GetBitPath(library(), arg(code), found);
  // A path the caller's buffer cannot hold whole is no use to it.
  if (found.size() >= kCallerRoom) {
    put(path, "");
    return 0;
  }
  put(path, found);
  return result;
}

int32_t UpdatePictures(int32_t window, char* document) {
  return aids::UpdatePictures(library(), window, topic_document(document));
}

int32_t InsertMultiMedia(int32_t window, char* element, char* document) {
  std::string text = arg(element), path = document ? std::string(document) : std::string();
  const int32_t result = aids::InsertMultiMedia(library(), window, text, path);
  if (result == 1) put_cut(element, text, kCallerRoom - 1);
  put_cut(document, path, kCallerRoom - 1);
  return result;
}

int32_t SelectBullet(int32_t window) { return aids::SelectBullet(library(), window); }

int32_t GetBullet(char* name) {
  std::string chosen;
  const int32_t result = aids::GetBullet(library(), chosen);
  put(name, chosen);
  return result;
}

int32_t TWStyles(int32_t window, char* sizes, char* separator, char* document) {
  std::string text = arg(sizes), sep;
  const int32_t result = aids::TWStyles(library(), window, text, sep, topic_document(document));
  if (result == 0) return 0;
  put_cut(sizes, text, kCallerRoom - 1);
  put_cut(separator, sep, 1);
  return result;
}

int32_t InsertEmbWindow(int32_t window, char* document, char* text) {
  std::string edited = arg(text);
  const int32_t result = aids::InsertEmbWindow(library(), window, topic_document(document), edited);
  if (result == 1) put(text, edited);
  return result;
}

// --- Document wizard ---------------------------------------------------------------

namespace {

aids::WizardAnswers& wizard_answers() {
  static aids::WizardAnswers answers;
  return answers;
}

ui::ProgressCounter& wizard_progress() {
  static ui::ProgressCounter counter(aids::wizard_progress_template());
  return counter;
}

}  // namespace

int32_t InitWizard(int32_t) {
  aids::reset_answers(wizard_answers());
  return 1;
}

int32_t WizardLoad(char* path) { return aids::load_answers(wizard_answers(), arg(path)) ? 1 : 0; }

int32_t WizardRead(char* key, char* text) {
  const std::string value = aids::answer(wizard_answers(), arg(key));
  put_cut(text, value, aids::kWizardAnswerMax);
  return static_cast<int32_t>(std::min<size_t>(value.size(), aids::kWizardAnswerMax));
}

int32_t InitDocWiz(int32_t, char* path, int32_t count) {
  const std::string main_directory = core::read_setting("main directory", "", core::kPathMax);
  return formats::init_document_wizard(wizard_progress(), main_directory, arg(path), count);
}

int32_t InitWizProgress(int32_t, int32_t maximum) {
  return formats::init_wizard_progress(wizard_progress(), maximum);
}

int32_t WizProgress(int32_t step) { return wizard_progress().advance(step); }

// --- Document outline ------------------------------------------------------------

namespace {

// Room of get_outline's title and target buffers, terminator included.
constexpr size_t kOutlineTextRoom = 5000;

contents::OutlineReader& outline_reader() {
  static contents::OutlineReader reader;
  return reader;
}

}  // namespace

int32_t EditOutline(int32_t window, char* path) { return contents::EditOutline(library(), window, arg(path)); }

int32_t get_outline(char* project_path, char* target, char* title, char* level) {
  contents::OutlineItem item;
  const int32_t result = contents::GetOutline(outline_reader(), arg(project_path), arg(level), item);
  if (item.delivered) {
    put_cut(target, item.target, kOutlineTextRoom - 1);
    put_cut(title, item.title, kOutlineTextRoom - 1);
    put_cut(level, item.level, kCallerRoom - 1);
  }
  return result;
}

// --- Version ----------------------------------------------------------------------

int32_t TWGetVersion(char* text) {
  if (!text) return 0;
  put(text, TARVENWICK_VERSION);
  return 1;
}

}  // extern "C"
