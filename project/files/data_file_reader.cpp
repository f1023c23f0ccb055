// Reading the project data file. Every count is checked against what a
// written file can hold, so a damaged file stops the read instead of
// steering it; the caller then keeps the project without its topic data.
#include <algorithm>
#include <cstdio>

#include "platform/text.h"
#include "project/files/byte_stream.h"
#include "project/files/data_file_format.h"

namespace project {
namespace {

constexpr int kOldOptionLines = 6;
constexpr std::string_view kFreeTextEnd = "\t\t";
constexpr int kMaxOldBitmaps = 32767;

// A count that a written file cannot hold marks the file damaged.
int count(ByteReader& r, int max, std::string_view what) {
  int n = r.word();
  if (r.ok() && (n < 0 || n > max)) r.fail("an impossible count of " + std::string(what));
  return r.ok() ? n : 0;
}

std::string free_text(ByteReader& r) {
  std::string out;
  for (;;) {
    std::string l = r.line(kLongLineMax);
    if (!r.ok() || l == kFreeTextEnd) break;
    out += l + "\n";
  }
  return out == "\n" ? std::string() : out;
}

struct Header {
  bool wide = false;
  int width_byte = 0;
};

Header header(ByteReader& r, ProjectData& data) {
  Preferences& p = data.preferences;
  Header h;
  p.stamp1 = r.dword();
  h.width_byte = r.byte();
  data.topics.browse_width = h.width_byte;
  data.topics.browse_increment = r.byte();
  h.wide = r.byte() == 1;
  p.byte = static_cast<std::uint8_t>(r.byte());
  r.dword();
  p.stamp2 = r.dword();
  r.word();
  if (r.word() == 1) data.map.source = r.line(kMapSourceMax);
  return h;
}

void preference_words(ByteReader& r, ProjectData& data, DataFileExtras& extras) {
  auto& words = data.preferences.words;
  for (auto& v : words) v = static_cast<std::int16_t>(r.word());
  ProjectFileModel& m = data.project;
  m.compression = std::clamp<int>(words[kWordCompression], 0, 2);
  m.warning_level = std::clamp(3 - words[kWordWarning], 1, 3);
  m.cdrom = words[kWordCdrom] != 0;
  extras.compiler_kind = words[kWordCompilerKind];
  // The project file read that follows brings these back.
  r.line(kOldTitleMax);
  for (int i = 1; i < kOldOptionLines; ++i) r.line(kOldOptionMax);
}

void window_records(ByteReader& r) {
  int n = count(r, kMaxDataWindows, "windows");
  for (int i = 0; i < n && r.ok(); ++i) {
    r.line(kWindowNameLineMax);
    r.line(kWindowCaptionLineMax);
    for (int k = 0; k < 6; ++k) r.word();
    r.dword();
    r.dword();
  }
}

void texts(ByteReader& r, ProjectData& data) {
  data.map.mode = std::clamp(r.word(), 0, 4);
  data.map.header = r.line(kMapHeaderLineMax);
  data.topics.prefix = r.line(kPrefixLineMax);
  r.line(kContentsLineMax);
  data.preferences.free_text1 = free_text(r);
  data.preferences.free_text2 = free_text(r);
  data.build_tags.clear();
  int tags = count(r, kMaxBuildTags, "build tags");
  for (int i = 0; i < tags && r.ok(); ++i) data.build_tags.push_back(r.line(kBuildTagMax));
  int items = count(r, kMaxTextList, "list texts");
  for (int i = 0; i < items && r.ok(); ++i)
    data.preferences.text_list.push_back(r.line(kTextListItemMax));
  window_records(r);
  data.preferences.word = static_cast<std::int16_t>(r.word());
  std::string multi = r.line(kLongLineMax);
  std::replace(multi.begin(), multi.end(), ';', '\n');
  data.preferences.multi_line_text = multi;
  r.line(kLongLineMax);
}

void buttons(ByteReader& r, ProjectData& data) {
  data.buttons.clear();
  int n = count(r, kMaxButtons, "buttons");
  for (int i = 0; i < n && r.ok(); ++i) {
    Button b;
    b.id = r.line(kButtonIdMax);
    b.caption = r.line(kButtonCaptionMax);
    b.macro = r.line(kButtonMacroMax);
    for (auto& s : b.states) s = static_cast<std::int16_t>(r.word());
    data.buttons.push_back(b);
  }
}

void lists(ByteReader& r, ProjectData& data, DataFileExtras& extras) {
  int files = count(r, core::TopicFileList::kMaxNames, "topic files");
  for (int i = 0; i < files && r.ok(); ++i)
    extras.topic_files.push_back(text::to_lower(r.line(kTopicFileLineMax)));
  int old_bitmaps = count(r, kMaxOldBitmaps, "old bitmaps");
  for (int i = 0; i < old_bitmaps && r.ok(); ++i) r.line(kLongLineMax);
  auto& sequences = data.topics.sequences();
  sequences.clear();
  int n = count(r, kMaxSequences, "browse sequences");
  for (int i = 0; i < n && r.ok(); ++i) sequences.push_back(r.line(kSequenceNameMax));
}

Topic topic(ByteReader& r, const Header& h, int index) {
  Topic t;
  bool numbered = true;
  if (!h.wide) {
    r.byte();
    numbered = r.byte() != 0;
  }
  if (numbered) {
    t.number = h.wide ? r.dword() : r.word();
    t.file = r.word();
  } else {
    t.number = kFirstContextNumber + index;
    t.file = 0;
  }
  t.option_index = r.word() - 1;
  t.context = r.line(kContextMax);
  if (h.width_byte == 0) {
    long n = 0;
    std::sscanf(r.line(kLongLineMax).c_str(), "%ld", &n);
    t.browse_number = static_cast<std::int32_t>(n);
  } else {
    t.browse_number = r.dword();
  }
  t.browse_sequence = static_cast<std::int8_t>(r.word() & 0xFF);
  return t;
}

void topics(ByteReader& r, const Header& h, TopicTable& table) {
  int n = count(r, kMaxTopics, "topics");
  for (int i = 0; i < n && r.ok(); ++i) {
    Topic t = topic(r, h, i);
    if (!r.ok()) break;
    if (t.browse_sequence >= 0 && t.browse_number > 0) table.browse_numbers_in_use = true;
    table.raise_next_number(t.number);
    table.push_back(std::move(t));
  }
}

// Widths from 3 to 6 digits are kept; anything else, and a file from before
// browse widths were stored, gets the defaults.
void settle_browse_settings(TopicTable& table) {
  if (table.browse_width < kMinBrowseWidth || table.browse_width > kMaxBrowseWidth ||
      table.browse_increment < 1) {
    table.browse_width = kDefaultBrowseWidth;
    table.browse_increment = kDefaultBrowseIncrement;
  }
}

}  // namespace

DataReadResult parse_data_file(std::string_view bytes, ProjectData& data, DataFileExtras& extras) {
  ByteReader r(bytes);
  if (r.dword() != kDataFileMagic || !r.ok()) return {DataReadStatus::wrong_magic, {}};
  Header h = header(r, data);
  preference_words(r, data, extras);
  texts(r, data);
  buttons(r, data);
  lists(r, data, extras);
  topics(r, h, data.topics);
  data.preferences.stamp2 = r.dword();
  if (!r.ok()) {
    data.topics.clear();
    return {DataReadStatus::damaged, r.error()};
  }
  settle_browse_settings(data.topics);
  return {};
}

}  // namespace project
