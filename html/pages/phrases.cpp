#include "html/pages/phrases.h"

#include "html/driver/conversion_run.h"
#include "platform/profile.h"
#include "wizard/limits.h"
#include "wizard/tuple_reader.h"

namespace html {

namespace {

// Opens the auto-link file the project names; false when auto-linking is
// off or the file cannot be opened.
bool open_auto_link_file(ConversionRun& run) {
  wizard::load_conversion_state(run.settings);
  std::string xref = platform::get_profile_string(
      "Settings", "xref", "1 0", wizard::kTextTupleCut + 1, run.settings.location.project_file);
  AutoLinkSetting setting = parse_auto_link(xref);
  return setting.auto_link && run.phrases.reader.open(setting.file);
}

// Splits an auto-link line at its last "="; false for comments and lines
// without a phrase or without a target.
bool split_phrase_line(std::string_view line, std::string& phrase, std::string& target) {
  if (line.empty() || line.front() == ';') return false;
  line = line.substr(0, line.find_first_of("\r\n"));
  std::size_t eq = line.rfind('=');
  if (eq == std::string_view::npos || eq == 0 || eq + 1 == line.size()) return false;
  phrase = std::string(line.substr(0, eq));
  target = std::string(line.substr(eq + 1));
  return true;
}

}  // namespace

AutoLinkSetting parse_auto_link(std::string_view xref) {
  AutoLinkSetting setting;
  int convert = 1;
  int auto_link = 0;
  wizard::TupleReader reader(xref);
  reader.number(convert);
  reader.number(auto_link);
  if (xref.find('>') != std::string_view::npos)
    reader.after_marker(setting.file);
  else
    reader.rest(setting.file);
  setting.convert_hotspots = convert != 0;
  setting.auto_link = auto_link != 0;
  return setting;
}

int get_next_phrase(ConversionRun& run, std::string& phrase, std::string& target, bool restart) {
  PhraseCursor& cursor = run.phrases;
  if (restart || !cursor.started) {
    cursor.reader.close();
    cursor.started = true;
    if (!open_auto_link_file(run)) return 0;
  }
  if (!cursor.reader.is_open()) return 0;
  while (std::optional<std::string> line = cursor.reader.read_cut_line(kPhraseLineBytes)) {
    if (split_phrase_line(*line, phrase, target)) return 1;
  }
  cursor.reader.close();
  return 0;
}

}  // namespace html
