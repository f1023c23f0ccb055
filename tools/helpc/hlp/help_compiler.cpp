#include "tools/helpc/hlp/help_compiler.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "formats/hpj_text.h"
#include "platform/files.h"
#include "platform/mapped_file.h"
#include "platform/paths.h"
#include "platform/spool_file.h"
#include "platform/text.h"
#include "project/files/window_records.h"
#include "rtf/reader.h"
#include "tools/helpc/hlp/btree.h"
#include "tools/helpc/hlp/bytes.h"
#include "tools/helpc/hlp/context_hash.h"
#include "tools/helpc/hlp/file_system.h"
#include "tools/helpc/hlp/hotspot_picture.h"
#include "tools/helpc/hlp/keyword_files.h"
#include "tools/helpc/hlp/picture_file.h"
#include "tools/helpc/hlp/system_file.h"
#include "tools/helpc/hlp/topic_builder.h"
#include "tools/helpc/hlp/topic_stream.h"
#include "tools/helpc/jump_macros.h"
#include "tools/helpc/releasing_sink.h"

namespace hlp {
namespace {

// Longest title or keyword kept: the viewer shows no more.
constexpr std::size_t kMaxTitle = 255;

// A tree of 32-bit keys to 32-bit values ("L4"), in key order.
std::optional<std::string> number_tree(const std::map<std::int32_t, std::int32_t>& pairs,
                                       std::uint16_t page_size) {
  std::vector<BtreeEntry> entries;
  for (const auto& [key_number, value_number] : pairs) {
    Bytes key, value;
    key.i32(key_number);
    value.i32(value_number);
    entries.push_back(BtreeEntry{key.take(), value.take()});
  }
  auto tree = build_btree(entries, BtreeLayout{kBtreeFlags, page_size, "L4"});
  if (!tree) return std::nullopt;
  return tree->bytes;
}

struct BrowseEntry {
  std::string sequence;  // before ":"
  std::string order;     // the whole code
  int topic = 0;
};

class Compiler {
 public:
  Compiler(const helpc::ProjectInput& input, TopicLayout layout)
      : input_(input), layout_(layout), stream_(layout, spool_.open_in(input.directory) ? &spool_ : nullptr) {
    read_windows();
  }

  std::optional<CompiledHelp> run(std::uint32_t date, HelpTarget& target);
  // After a run that answered nullopt: whether the packed blocks were at fault.
  bool blocks_overflowed() const { return blocks_overflowed_; }
  bool record_too_long() const { return stream_.record_too_long(); }

 private:
  void read_windows();
  void compile_file(const std::string& entry);
  void add_topic(TopicText& topic);
  std::string hotspot(helpc::HotspotKind kind, const helpc::HotspotTarget& target) const;
  std::string picture(PicturePlace place, const std::string& name);
  std::optional<HotspotPicture> hotspots_on_bitmap(const std::string& name, std::string_view file) const;
  std::string bitmap_path(const std::string& name) const;
  void link_browse_sequences();
  std::optional<std::int32_t> offset_of(std::string_view context) const;
  std::optional<std::string> context_tree();
  std::optional<std::string> title_tree();
  std::optional<std::string> context_map() const;
  std::optional<std::string> window_tree() const;
  int window_number(std::string_view name) const;
  bool add_files(FileSystemWriter& files, std::uint32_t date);

  const helpc::ProjectInput& input_;
  TopicLayout layout_;
  bool blocks_overflowed_ = false;
  std::vector<project::WindowRecord> windows_;
  FontTable fonts_;
  platform::SpoolFile spool_;
  TopicStream stream_;
  KeywordIndex k_index_, a_index_{false};
  std::unordered_map<std::string, std::int32_t> offsets_;  // lower-case context: topic offset
  std::map<std::int32_t, std::int32_t> hashes_;            // hash: topic offset
  std::vector<std::pair<std::int32_t, std::string>> titles_;
  std::vector<BrowseEntry> browse_;
  std::vector<std::int32_t> topic_offsets_;
  std::map<std::int32_t, std::int32_t> topic_windows_;  // topic offset: window number, from ">"
  struct StoredPicture {
    int number = -1;  // -1: unread
    int hotspots = 0;
  };
  std::unordered_map<std::string, StoredPicture> picture_numbers_;  // by lower-case name
  std::vector<std::string> pictures_;                     // "|bmN" files by number
  int pictures_unread_ = 0;
  std::vector<LeftOut> left_out_;
  std::string file_path_;  // of the topic file being compiled
};

void Compiler::read_windows() {
  // Help Workshop projects keep their window lines as the Windows 3.x ones.
  for (const auto& line : input_.window_lines) {
    if (auto window = project::parse_window_line(line)) windows_.push_back(*window);
  }
}

void Compiler::compile_file(const std::string& entry) {
  // Mapped, and given back behind the reader: a large topic file costs
  // only the stretch being read.
  auto file = platform::MappedFile::open(helpc::find_in_folders(entry, input_.roots));
  if (!file || text::trim_left(file->view()).substr(0, 5) != "{\\rtf") return;
  rtf::Reader reader(file->view());
  reader.end_footnotes_at_page(true);
  TopicBuilder builder(
      reader, fonts_,
      [this](helpc::HotspotKind kind, const helpc::HotspotTarget& target) { return hotspot(kind, target); },
      [this](TopicText& topic) { add_topic(topic); },
      [this](PicturePlace place, const std::string& name) { return picture(place, name); });
  helpc::ReleasingSink releasing(builder, reader, *file);
  reader.run(releasing);
  builder.finish();
}

std::string Compiler::hotspot(helpc::HotspotKind kind, const helpc::HotspotTarget& target) const {
  if (kind == helpc::HotspotKind::macro) {
    std::string_view macro = target.context;
    macro = text::trim(macro.substr(macro.find('!') + 1));
    return macro.empty() ? std::string() : macro_command(macro);
  }
  if (target.context.empty()) return {};
  const bool popup = kind == helpc::HotspotKind::popup;
  const std::int32_t hash = context_hash(target.context);
  if (!target.help_file.empty() && !helpc::names_own_help_file(target.help_file, input_.help_file))
    return external_jump_command(popup, hash, target.help_file, target.window);
  if (!popup && !target.window.empty()) {
    const int window = window_number(target.window);
    if (window >= 0) return window_jump_command(hash, window);
  }
  return jump_command(popup, hash);
}

// A [WINDOWS] definition by name; -1 for "main" and unknown names.
int Compiler::window_number(std::string_view name) const {
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    if (text::iequals(windows_[i].name, text::trim(name))) return static_cast<int>(i);
  }
  return -1;
}

// A bitmap as the check finds it: in [BITMAPS] by file name, else on the
// bitmap roots, then the project roots.
std::string Compiler::bitmap_path(const std::string& name) const {
  for (const auto& listed : input_.bitmap_files) {
    if (text::iequals(platform::file_name_of(listed), platform::file_name_of(name)))
      return helpc::find_in_folders(listed, {input_.directory});
  }
  std::vector<std::string> folders = input_.bitmap_roots;
  folders.insert(folders.end(), input_.roots.begin(), input_.roots.end());
  return helpc::find_in_folders(name, folders);
}

// A hotspot file without a picture of its own: its regions on the bitmap
// of the same name. nullopt when there is no such bitmap (the picture then
// counts as not stored) or the file's table does not read.
std::optional<HotspotPicture> Compiler::hotspots_on_bitmap(const std::string& name, std::string_view file) const {
  auto table = hotspots_without_picture(file);
  if (!table) return std::nullopt;
  auto bmp = platform::read_file(bitmap_path(platform::replace_extension(name, ".bmp")));
  auto picture = bmp ? help_picture_from_bmp(*bmp, *table) : std::nullopt;
  if (!picture) return std::nullopt;
  return help_picture_from_picture_file(*picture);
}

// Each bitmap is stored once, however often the topics show it.
std::string Compiler::picture(PicturePlace place, const std::string& name) {
  const std::string key = text::to_lower(name);
  auto known = picture_numbers_.find(key);
  if (known == picture_numbers_.end()) {
    std::optional<std::string> file = platform::read_file(bitmap_path(name));
    std::optional<HotspotPicture> stored;
    if (file && is_picture_file(*file)) {
      stored = help_picture_from_picture_file(*file);
      if (!stored) stored = hotspots_on_bitmap(name, *file);
    } else if (auto bitmap = file ? help_picture_from_bmp(*file) : std::nullopt) {
      stored = HotspotPicture{std::move(*bitmap), 0};
    }
    StoredPicture entry;
    if (stored) {
      entry = StoredPicture{static_cast<int>(pictures_.size()), stored->hotspots};
      pictures_.push_back(std::move(stored->bytes));
    } else {
      ++pictures_unread_;
    }
    known = picture_numbers_.emplace(key, entry).first;
  }
  const StoredPicture& entry = known->second;
  return entry.number < 0 ? std::string() : picture_command(place, entry.number, entry.hotspots);
}

void Compiler::add_topic(TopicText& topic) {
  std::string title = topic.title.substr(0, kMaxTitle);
  const std::int32_t offset = stream_.begin_topic(title, topic.macros);
  const int number = static_cast<int>(topic_offsets_.size());
  topic_offsets_.push_back(offset);
  // A topic that is all non-scrolling region could not be scrolled to its
  // end: it scrolls whole.
  const std::size_t fixed = topic.non_scrolling < topic.paragraphs.size() ? topic.non_scrolling : 0;
  for (std::size_t i = 0; i < topic.paragraphs.size(); ++i) stream_.add_paragraph(topic.paragraphs[i], i < fixed);
  if (!title.empty()) titles_.emplace_back(offset, title);
  for (const auto& context : topic.contexts) {
    if (offsets_.emplace(text::to_lower(context), offset).second) hashes_.emplace(context_hash(context), offset);
  }
  if (const int window = window_number(topic.window); window >= 0) topic_windows_.emplace(offset, window);
  for (const auto& k : topic.keywords) k_index_.add(k.substr(0, kMaxTitle), offset);
  for (const auto& a : topic.a_keywords) a_index_.add(a.substr(0, kMaxTitle), offset);
  for (auto& what : topic.left_out) left_out_.push_back(LeftOut{file_path_, topic.number, std::move(what)});
  if (!topic.browse.empty()) {
    std::string_view code = topic.browse;
    auto colon = code.find(':');
    std::string sequence = colon == std::string_view::npos ? "" : text::to_lower(text::trim(code.substr(0, colon)));
    browse_.push_back(BrowseEntry{sequence, text::to_lower(code), number});
  }
}

// Topics of a sequence follow their codes' order; equal codes keep the
// order of the topic files.
void Compiler::link_browse_sequences() {
  std::stable_sort(browse_.begin(), browse_.end(), [](const BrowseEntry& a, const BrowseEntry& b) {
    return a.sequence != b.sequence ? a.sequence < b.sequence : a.order < b.order;
  });
  for (std::size_t i = 0; i < browse_.size(); ++i) {
    const bool has_previous = i > 0 && browse_[i - 1].sequence == browse_[i].sequence;
    const bool has_next = i + 1 < browse_.size() && browse_[i + 1].sequence == browse_[i].sequence;
    stream_.set_browse(browse_[i].topic, has_previous ? topic_offsets_[browse_[i - 1].topic] : -1,
                       has_next ? topic_offsets_[browse_[i + 1].topic] : -1);
  }
}

std::optional<std::int32_t> Compiler::offset_of(std::string_view context) const {
  auto found = offsets_.find(text::to_lower(text::trim(context)));
  if (found == offsets_.end()) return std::nullopt;
  return found->second;
}

// Hashes sort as signed numbers.
std::optional<std::string> Compiler::context_tree() {
  for (const auto& alias : input_.aliases) {
    if (auto offset = offset_of(alias.target)) hashes_.emplace(context_hash(alias.name), *offset);
  }
  return number_tree(hashes_, 2048);
}

std::optional<std::string> Compiler::title_tree() {
  std::vector<BtreeEntry> entries;
  for (const auto& [offset, title] : titles_) {
    Bytes key, value;
    key.i32(offset);
    value.sz(title);
    entries.push_back(BtreeEntry{key.take(), value.take()});
  }
  auto tree = build_btree(entries, BtreeLayout{kBtreeFlags, 2048, "Lz"});
  if (!tree) return std::nullopt;
  return tree->bytes;
}

// |VIOLA: the window each topic with a ">" footnote opens in.
std::optional<std::string> Compiler::window_tree() const {
  return number_tree(topic_windows_, 1024);
}

// |CTXOMAP: the [MAP] numbers of the topics, by number.
std::optional<std::string> Compiler::context_map() const {
  std::map<std::int32_t, std::int32_t> numbers;
  for (const auto& entry : input_.map_entries) {
    if (auto offset = offset_of(entry.name)) numbers.emplace(entry.number, *offset);
  }
  if (numbers.size() > 0xFFFF) return std::nullopt;  // the count is 16-bit
  Bytes out;
  out.u16(static_cast<std::uint32_t>(numbers.size()));
  for (const auto& [number, offset] : numbers) {
    out.i32(number);
    out.i32(offset);
  }
  return out.take();
}

// The internal files, |TOPIC to be written from the scratch file when its
// turn comes; false when a tree cannot hold its entries.
bool Compiler::add_files(FileSystemWriter& files, std::uint32_t date) {
  SystemInfo system;
  system.title = input_.title;
  system.copyright = input_.copyright;
  system.contents_topic = offset_of(input_.contents_topic).value_or(0);
  system.config_macros = input_.config_macros;
  system.windows = windows_;
  if (!input_.contents_file.empty()) system.contents_file = std::string(platform::file_name_of(input_.contents_file));
  system.date = date;
  system.compressed = layout_.compressed;
  files.add("|SYSTEM", render_system(system));
  files.add_streamed("|TOPIC", stream_.rendered_size(), [this](const ByteSink& sink) {
    const TopicStream::Written written = stream_.write(sink);
    if (written == TopicStream::Written::block_overflow) blocks_overflowed_ = true;
    return written == TopicStream::Written::done;
  });
  files.add("|FONT", fonts_.render());
  auto contexts = context_tree();
  auto titles = title_tree();
  auto k_files = k_index_.render();
  if (!contexts || !titles || !k_files) return false;
  files.add("|CONTEXT", std::move(*contexts));
  files.add("|TTLBTREE", std::move(*titles));
  files.add("|KWBTREE", std::move(k_files->btree));
  files.add("|KWDATA", std::move(k_files->data));
  files.add("|KWMAP", std::move(k_files->map));
  if (a_index_.size() > 0) {
    auto a_files = a_index_.render();
    if (!a_files) return false;
    files.add("|AWBTREE", std::move(a_files->btree));
    files.add("|AWDATA", std::move(a_files->data));
    files.add("|AWMAP", std::move(a_files->map));
  }
  if (!input_.map_entries.empty()) {
    auto map = context_map();
    if (!map) return false;
    files.add("|CTXOMAP", std::move(*map));
  }
  if (!topic_windows_.empty()) {
    auto viola = window_tree();
    if (!viola) return false;
    files.add("|VIOLA", std::move(*viola));
  }
  for (std::size_t i = 0; i < pictures_.size(); ++i) files.add("|bm" + std::to_string(i), std::move(pictures_[i]));
  return true;
}

std::optional<CompiledHelp> Compiler::run(std::uint32_t date, HelpTarget& target) {
  for (const auto& entry : input_.topic_files) {
    file_path_ = helpc::find_in_folders(entry, input_.roots);
    compile_file(entry);
  }
  link_browse_sequences();
  if (!stream_.fits() || !fonts_.fits()) return std::nullopt;
  CompiledHelp out;
  out.topics = stream_.topics();
  out.titles = static_cast<int>(titles_.size());
  out.keywords = static_cast<int>(k_index_.size());
  out.pictures = static_cast<int>(pictures_.size());
  out.pictures_unread = pictures_unread_;
  out.compressed = layout_.compressed;
  FileSystemWriter files;
  if (!add_files(files, date)) return std::nullopt;
  out.contexts = static_cast<int>(hashes_.size());  // aliases are filed with the tree
  out.left_out = std::move(left_out_);
  if (out.topics == 0 || !target.open()) return out;
  const auto written = files.write([&target](std::string_view piece) { return target.write(piece); });
  if (written != FileSystemWriter::Written::done) {
    target.abandon();
    if (written == FileSystemWriter::Written::too_large || blocks_overflowed_) return std::nullopt;
    return out;
  }
  out.written = target.commit();
  return out;
}

// Stream bytes a packed block is first asked to hold, then less while a
// block does not pack into 4 KB. The last never fails: literals alone
// take 9 bits a byte. The first leaves room below the 16 KB a block
// unpacks to for the filler after the packed data.
constexpr std::size_t kPackedBlockData[] = {12000, 8000, 6000, 3630};
static_assert(3630 + (3630 + 7) / 8 <= kPlainBlockData);
static_assert(12000 + kPlainBlockData * 8 / 9 <= kMaxBlockData);

}  // namespace

std::optional<CompiledHelp> compile_help(const helpc::ProjectInput& input, std::uint32_t date, HelpTarget& target) {
  if (!input.compress) return Compiler(input, TopicLayout{}).run(date, target);
  for (std::size_t block_data : kPackedBlockData) {
    Compiler compiler(input, TopicLayout{true, block_data});
    auto out = compiler.run(date, target);
    if (out || !compiler.blocks_overflowed()) return out;
    if (compiler.record_too_long()) break;
  }
  auto out = Compiler(input, TopicLayout{}).run(date, target);
  if (out) out->stored_plain = true;
  return out;
}

namespace {

class MemoryTarget : public HelpTarget {
 public:
  bool open() override {
    bytes.clear();
    return true;
  }
  bool write(std::string_view piece) override {
    bytes.append(piece);
    return true;
  }
  bool commit() override { return true; }
  void abandon() override { bytes.clear(); }
  std::string bytes;
};

}  // namespace

std::optional<CompiledHelp> compile_help(const helpc::ProjectInput& input, std::uint32_t date) {
  MemoryTarget target;
  auto out = compile_help(input, date, target);
  if (out && out->written) out->bytes = std::move(target.bytes);
  return out;
}

}  // namespace hlp
