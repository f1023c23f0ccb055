// Writing the project data file, field by field in the file's order.
#include <algorithm>

#include "platform/text.h"
#include "project/files/byte_stream.h"
#include "project/files/data_file_format.h"

namespace project {
namespace {

constexpr int kOldOptionLines = 6;
constexpr std::string_view kFreeTextEnd = "\t\t";

// Line breaks inside a stored text, on both sides of the file: CR LF, LF
// and a lone CR each end a line (text::split_lines), and the reader gets
// every line back ended by LF.
// A text that is only a line break, in any form, counts as empty.
void free_text(ByteWriter& w, std::string_view text) {
  const auto lines = text::split_lines(text);
  if (!(lines.size() == 1 && lines[0].empty())) {
    for (const auto& l : lines) {
      // A line that reads as the end mark would end the text early and
      // throw every later field out of step: it keeps a trailing blank.
      w.line(l == kFreeTextEnd ? l + " " : l);
    }
  }
  w.line(kFreeTextEnd);
}

// The multi-line text is one stored line with ";" for each line break.
std::string joined_with_semicolons(std::string_view text) {
  std::string out;
  auto lines = text::split_lines(text);
  for (size_t i = 0; i < lines.size(); ++i) out += (i ? ";" : "") + lines[i];
  if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) out += ";";
  return out;
}

void header(ByteWriter& w, const ProjectData& data) {
  const Preferences& p = data.preferences;
  w.dword(kDataFileMagic);
  w.dword(p.stamp1);
  w.byte(data.topics.browse_width);
  w.byte(data.topics.browse_increment);
  w.byte(wide_numbers(data.topics) ? 1 : 0);
  w.byte(p.byte);
  w.dword(0);
  w.dword(p.stamp2);
  w.word(0);
  w.word(data.map.source.empty() ? 0 : 1);
  if (!data.map.source.empty()) w.line(text::cut(data.map.source, kMapSourceMax));
}

// The words that mirror the project file come from the model.
void preference_words(ByteWriter& w, const ProjectData& data, int compiler_kind) {
  auto words = data.preferences.words;
  const ProjectFileModel& m = data.project;
  words[kWordBrowseButtons] = m.browse_buttons ? 1 : 0;
  words[kWordCompression] = static_cast<std::int16_t>(m.compression);
  words[kWordTitleSet] = m.title.empty() ? 0 : 1;
  words[kWordCompilerKind] = static_cast<std::int16_t>(compiler_kind);
  words[kWordWarning] = static_cast<std::int16_t>(3 - m.warning_level);
  words[kWordCdrom] = m.cdrom ? 1 : 0;
  for (auto v : words) w.word(v);
  for (int i = 0; i < kOldOptionLines; ++i) w.line("");
}

void texts(ByteWriter& w, const ProjectData& data) {
  w.word(data.map.mode);
  w.line(text::cut(data.map.header, kMapHeaderLineMax));
  w.line(text::cut(data.topics.prefix, kPrefixLineMax));
  w.line("");
  free_text(w, data.preferences.free_text1);
  free_text(w, data.preferences.free_text2);
  const auto tags = std::min<size_t>(data.build_tags.size(), kMaxBuildTags);
  w.word(static_cast<int>(tags));
  for (size_t i = 0; i < tags; ++i) w.line(data.build_tags[i]);
  const auto items = std::min<size_t>(data.preferences.text_list.size(), kMaxTextList);
  w.word(static_cast<int>(items));
  for (size_t i = 0; i < items; ++i) w.line(data.preferences.text_list[i]);
  w.word(0);  // windows live in the project file
  w.word(data.preferences.word);
  w.line(joined_with_semicolons(data.preferences.multi_line_text));
  w.line("");
}

void buttons(ByteWriter& w, const ProjectData& data) {
  const auto count = std::min<size_t>(data.buttons.size(), kMaxButtons);
  w.word(static_cast<int>(count));
  for (size_t i = 0; i < count; ++i) {
    const Button& b = data.buttons[i];
    w.line(b.id);
    w.line(b.caption);
    w.line(b.macro);
    for (auto s : b.states) w.word(s);
  }
}

void lists(ByteWriter& w, const ProjectData& data, const core::TopicFileList& files) {
  w.word(files.count());
  for (const auto& name : files.names()) w.line(name);
  w.word(0);  // the old bitmap list
  const auto& sequences = data.topics.sequences();
  w.word(static_cast<int>(sequences.size()));
  for (const auto& s : sequences) w.line(s);
}

void topic(ByteWriter& w, const Topic& t, bool wide, bool first) {
  if (wide) {
    w.dword(t.number);
  } else {
    w.byte(first ? 0 : 1);
    w.byte(1);
    w.word(t.number);
  }
  w.word(t.file);
  w.word(t.option_index < 0 ? 0 : t.option_index + 1);
  w.line(t.context);
  w.dword(t.browse_number);
  w.word(t.browse_sequence);
}

}  // namespace

bool wide_numbers(const TopicTable& topics) {
  if (topics.next_number() > kWideNumberThreshold) return true;
  // A number that does not fit 16 bits would be cut in the narrow form.
  return std::any_of(topics.begin(), topics.end(),
                     [](const Topic& t) { return t.number > 32767 || t.number < -32768; });
}

std::string render_data_file(const ProjectData& data, const core::TopicFileList& files,
                             int compiler_kind) {
  ByteWriter w;
  header(w, data);
  preference_words(w, data, compiler_kind);
  texts(w, data);
  buttons(w, data);
  lists(w, data, files);
  const bool wide = wide_numbers(data.topics);
  w.word(data.topics.count());
  for (int i = 0; i < data.topics.count(); ++i) topic(w, data.topics[i], wide, i == 0);
  w.dword(data.preferences.stamp2);
  return w.bytes();
}

}  // namespace project
