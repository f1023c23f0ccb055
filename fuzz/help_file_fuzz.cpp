// Help files: our reader of the container, its directory and trees and the
// topic records; picture files (.shg, .mrb) as the compiler stores them;
// and the same bytes as a topic file made into topics, laid into plain or
// packed blocks (the input's size picks the layout) and read back, with
// every packed block unpacked to what was packed.
#include <string>

#include "fuzz/fuzz_support.h"
#include "rtf/reader.h"
#include "tools/helpc/hlp/help_file_summary.h"
#include "tools/helpc/hlp/hotspot_picture.h"
#include "tools/helpc/hlp/keyword_files.h"
#include "tools/helpc/hlp/lz77.h"
#include "tools/helpc/hlp/topic_builder.h"
#include "tools/helpc/hlp/topic_stream.h"

namespace {

// The layouts the compiler tries: plain, then packed blocks of less and
// less data.
hlp::TopicLayout layout_for(std::size_t size) {
  constexpr std::size_t kPacked[] = {12000, 8000, 6000, 3630};
  const std::size_t choice = size % 5;
  if (choice == 0) return hlp::TopicLayout{};
  return hlp::TopicLayout{true, kPacked[choice - 1]};
}

void check_packing(std::string_view bytes) {
  const std::string_view block = bytes.substr(0, hlp::kMaxBlockData);
  const std::string packed = hlp::lz77_compress(block);
  if (hlp::lz77_decompress(packed, block.size() + 1) != std::string(block)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::as_text(data, size);
  if (auto summary = hlp::summarize_help_file(bytes)) hlp::format_summary(*summary);
  if (auto picture = hlp::help_picture_from_picture_file(bytes)) {
    if (picture->bytes.size() != bytes.size()) __builtin_trap();  // only numbers and kinds change
  }
  if (auto table = hlp::hotspots_without_picture(bytes)) {
    if (table->size() > bytes.size()) __builtin_trap();
  }
  check_packing(bytes);

  rtf::Reader reader(bytes);
  reader.end_footnotes_at_page(true);
  hlp::FontTable fonts;
  const hlp::TopicLayout layout = layout_for(size);
  hlp::TopicStream stream(layout);
  hlp::KeywordIndex keywords;
  hlp::TopicBuilder builder(
      reader, fonts, [](helpc::HotspotKind, const helpc::HotspotTarget&) { return hlp::jump_command(false, 1); },
      [&](hlp::TopicText& topic) {
        const std::int32_t offset = stream.begin_topic(topic.title, topic.macros);
        for (std::size_t i = 0; i < topic.paragraphs.size(); ++i)
          stream.add_paragraph(topic.paragraphs[i], i < topic.non_scrolling);
        for (const auto& k : topic.keywords) keywords.add(k, offset);
      },
      [](hlp::PicturePlace place, const std::string&) { return hlp::picture_command(place, 0, 2); });
  reader.run(builder);
  builder.finish();
  keywords.render();
  // Plain blocks always render; packed ones may not fit, as in the compiler.
  const auto topic_file = stream.render();
  if (!topic_file && !layout.compressed) __builtin_trap();
  // A stream with no topic has no chain to walk (the compiler writes no help
  // file then); one with topics reads back with every topic header.
  if (topic_file && stream.topics() > 0 &&
      hlp::count_topic_headers(*topic_file, layout.compressed) != stream.topics())
    __builtin_trap();
  fonts.render();
  return 0;
}
