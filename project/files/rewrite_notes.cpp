#include "project/files/rewrite_notes.h"

#include "platform/text.h"

namespace project {
namespace {

void note_title(const formats::HpjText& previous, const ProjectFileModel& model,
                std::vector<std::string>& notes) {
  const std::string title = previous.value("OPTIONS", "TITLE");
  if (title.size() <= static_cast<size_t>(kTitleMax) || model.title != text::cut(title, kTitleMax))
    return;
  notes.push_back(text::format(
      "The help title \"%s\" is longer than %d characters; the project file now keeps \"%s\".",
      title.c_str(), kTitleMax, model.title.c_str()));
}

bool ends_in_rtf(std::string_view name) {
  return name.size() >= 4 && text::iequals(name.substr(name.size() - 4), ".rtf");
}

// A [FILES] line whose text after ";" completes a topic-file name: the
// comment rule leaves a name that is no topic file, and the line is lost.
void note_files(const formats::HpjText& previous, std::vector<std::string>& notes) {
  for (const auto& raw : previous.section("FILES")) {
    std::string_view line = text::trim(raw);
    size_t semicolon = line.find(';');
    if (semicolon == std::string_view::npos || line.find('#') != std::string_view::npos) continue;
    std::string_view name = text::trim(line.substr(0, semicolon));
    if (name.empty() || ends_in_rtf(name) || !ends_in_rtf(line)) continue;
    notes.push_back(text::format(
        "The [FILES] line \"%s\" names no topic file: \";\" starts a comment in a project file, "
        "so the line is not written back.  Rename the file without \";\" and add it again.",
        std::string(line).c_str()));
  }
}

}  // namespace

std::vector<std::string> rewrite_notes(const formats::HpjText& previous, const ProjectFileModel& model) {
  std::vector<std::string> notes;
  note_title(previous, model, notes);
  note_files(previous, notes);
  return notes;
}

}  // namespace project
