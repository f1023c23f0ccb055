// The project file on disk: read, regenerate, and check names.
#include "project/files/project_file.h"

#include "project/project_state.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "formats/hpj_kind.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/files/config_macros.h"
#include "project/files/file_rewrite.h"
#include "project/files/kept_lines.h"
#include "project/files/rewrite_notes.h"

namespace project {
namespace {

// Characters no file name may hold.
constexpr std::string_view kBadNameChars = "<>\"|*?";

std::vector<std::string> emulation_lines() {
  std::vector<std::string> out;
  for (int i = 0; i < kEmulationLineCount; ++i) {
    std::string l = core::resource_string(kFirstEmulationLine + i);
    if (l.empty() || l.back() != '\n') l += '\n';
    out.push_back(l);
  }
  return out;
}

// The writer adds the sound library's lines itself, and the model then has
// to learn them from the file.
bool writes_sound_lines(const ProjectState& state, const FormContext& ctx) {
  const auto& m = state.data.project;
  return ctx.form != FileForm::win95 && ctx.form != FileForm::win30 && m.sound &&
         extension_needed(m.config_macros, "sndPlaySound", state.settings.sound);
}

// A regeneration must not replace a good project file with one made from data that
// failed to load or lost topics since.
bool data_allows_writing(const ProjectState& state) {
  return state.data.magic_ok && state.data.topics.count() >= state.data.loaded_topic_count;
}

}  // namespace

std::string line_end_for(const std::optional<std::string>& previous) {
  if (!previous || previous->find('\n') == std::string::npos) return "\r\n";
  return formats::HpjText(*previous).line_end();
}

bool refuse_foreign_file(const ProjectState& state, std::string_view path) {
  std::optional<std::string> bytes = platform::read_file(path);
  if (!bytes || formats::is_help_project_text(*bytes)) return false;
  const std::string name(platform::file_name_of(path));
  core::show_message(state, text::format(formats::kNotAHelpProjectText, name.c_str()),
                     ui::kMbOk | ui::kMbIconStop);
  return true;
}

FormContext form_context(const ProjectState& state) {
  FormContext ctx;
  ctx.project_path = state.project_path;
  if (state.compiler_kind == 2) {
    ctx.form = FileForm::win30;
  } else if (state.win95_compiler) {
    ctx.form = FileForm::win95;
  }
  if (!state.settings.bitmap_dir.empty()) ctx.stock_bitmaps = state.settings.bitmap_dir + "\\std_bmps";
  ctx.doc_only = state.options.doc_only_tags;
  return ctx;
}

bool valid_file_name(std::string_view path) {
  std::string_view name = platform::file_name_of(path);
  if (name.empty() || text::trim(name).empty()) return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32 || kBadNameChars.find(c) != std::string_view::npos)
      return false;
  }
  std::string_view dir = platform::directory_of(path);
  return dir.empty() || platform::directory_exists(dir);
}

int WriteProjectFile(ProjectState& state, std::int32_t window, std::string_view path) {
  if (!data_allows_writing(state)) return 0;
  if (window != 0 && !valid_file_name(path)) {
    std::string text =
        text::format(core::resource_string(kUnableToCreateText).c_str(), std::string(path).c_str());
    core::show_message(state, text, ui::kMbOk | ui::kMbIconStop);
    return 0;
  }
  if (refuse_foreign_file(state, path)) return 0;
  FormContext ctx = form_context(state);
  ctx.project_path = std::string(path);
  FileRewrite rewrite(path);
  const formats::HpjText previous(rewrite.previous().value_or(std::string()));
  WriteExtras extras;
  extras.previous = carried_sections(previous);
  std::vector<std::string> notes;
  if (rewrite.previous()) notes = rewrite_notes(previous, state.data.project);
  extras.emulation_lines = emulation_lines();
  extras.sound_setting = state.settings.sound;
  const bool sound_lines = writes_sound_lines(state, ctx);
  const bool current_project = path == state.project_path;
  std::string text = render_project_file(state.data, state.topic_files, ctx, extras);
  text = keep_named_paths(text, previous, core::project_directory(path));
  text = keep_comment_lines(text, previous);
  auto status = rewrite.commit(formats::with_line_ends(text, line_end_for(rewrite.previous())),
                               [&](const auto& on_disk) {
                                 return !current_project ||
                                        may_replace(state.disk.project_file, path, on_disk);
                               });
  if (status == platform::WriteStatus::changed_on_disk) tell_changed_on_disk(state);
  if (status != platform::WriteStatus::written) return 0;
  if (current_project) note_loaded(state.disk.project_file, path, rewrite.written());
  for (const auto& note : notes) core::show_message(state, note, ui::kMbOk | ui::kMbIconInformation);
  if (sound_lines && current_project) ReadProjectFile(state);
  return 1;
}

void tell_changed_on_disk(ProjectState& state) {
  core::show_message(state, core::resource_string(kCloseProjectFileText), ui::kMbOk | ui::kMbIconStop);
}

int ReadProjectFile(ProjectState& state) {
  if (state.project_path.empty()) return 0;
  platform::OpenStatus status = platform::OpenStatus::ok;
  auto file = platform::ExclusiveFile::open(state.project_path, platform::OpenMode::read, status);
  if (status == platform::OpenStatus::sharing_violation) {
    note_unreadable(state.disk.project_file, state.project_path);
    tell_changed_on_disk(state);
    return 0;
  }
  std::optional<std::string> read;
  if (file) read = file->read_all();
  if (file && !read) {
    note_unreadable(state.disk.project_file, state.project_path);
  } else {
    note_loaded(state.disk.project_file, state.project_path, file ? file->stamp() : std::nullopt);
  }
  std::string bytes = read.value_or(std::string());
  file.reset();
  if (!formats::is_help_project_text(bytes)) {
    refuse_foreign_file(state, state.project_path);
    return 0;
  }
  parse_project_text(bytes, form_context(state), state.data, state.topic_files);
  return 1;
}

}  // namespace project
