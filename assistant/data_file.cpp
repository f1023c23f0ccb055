#include "assistant/data_file.h"

#include <optional>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace assistant {

namespace {

// Line breaks of a popup text become TABs: one for CR, one for LF.
std::string flattened(std::string_view entry) {
  std::string out(entry);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = '\t';
  return out;
}

// Every pair of TABs becomes CR LF again; a single TAB stays.
std::string unflattened(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\t' && i + 1 < line.size() && line[i + 1] == '\t') {
      out += "\r\n";
      ++i;
    } else {
      out += line[i];
    }
  }
  return out;
}

// The file's lines, each without its line end (LF, with a CR before it).
std::vector<std::string_view> file_lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    size_t lf = bytes.find('\n');
    std::string_view line = bytes.substr(0, lf);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (lf == std::string_view::npos) break;
    bytes.remove_prefix(lf + 1);
  }
  return lines;
}

}  // namespace

std::string data_file_text(const Model& model) {
  std::string out = std::to_string(static_cast<int>(model.mode)) + "\r\n";
  if (model.mode == IdSource::include_file) out += model.include_file;
  out += "\r\n";
  for (std::string_view entry : model.entries()) out += flattened(entry) + "\r\n";
  return out;
}

void read_data_text(std::string_view bytes, Model& model) {
  model.clear();
  std::vector<std::string_view> lines = file_lines(bytes);
  long mode = lines.empty() ? 0 : read_number(lines[0]).value_or(0);
  model.mode = mode >= 0 && mode <= 2 ? static_cast<IdSource>(mode) : IdSource::manual;
  model.include_file = lines.size() > 1 ? std::string(text::trim_right(lines[1])) : std::string();
  for (size_t i = 2; i < lines.size(); ++i) model.append(unflattened(lines[i]));
  model.current = 0;
  model.changed = false;
  model.test_stale = true;
}

bool read_data_file(std::string_view path, Model& model, std::optional<platform::FileStamp>* stamp) {
  std::optional<std::string> bytes = platform::read_file(path, stamp);
  if (!bytes) return false;
  read_data_text(*bytes, model);
  return true;
}

SaveStatus write_data_file(std::string_view path, const Model& model, std::optional<platform::FileStamp>& known) {
  auto still_current = [&](const std::optional<platform::FileStamp>& on_disk) {
    return !known || on_disk == known || platform::changed_only_here(path, known);
  };
  switch (platform::write_file_if(path, data_file_text(model), still_current, &known)) {
    case platform::WriteStatus::written: return SaveStatus::saved;
    case platform::WriteStatus::changed_on_disk: return SaveStatus::changed_on_disk;
    default: return SaveStatus::failed;
  }
}

std::string data_path_of(std::string_view kept_path) {
  return platform::replace_extension(kept_path, ".ptd");
}

std::string kept_path_of(std::string_view data_path) {
  return platform::replace_extension(data_path, ".rtf");
}

}  // namespace assistant
