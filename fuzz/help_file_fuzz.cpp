// Help files: our reader of the container, its directory and trees and the
// topic records; and the same bytes as a topic file made into topics.
#include <string>

#include "fuzz/fuzz_support.h"
#include "rtf/reader.h"
#include "tools/helpc/hlp/help_file_summary.h"
#include "tools/helpc/hlp/topic_builder.h"
#include "tools/helpc/hlp/topic_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::as_text(data, size);
  if (auto summary = hlp::summarize_help_file(bytes)) hlp::format_summary(*summary);

  rtf::Reader reader(bytes);
  reader.end_footnotes_at_page(true);
  hlp::FontTable fonts;
  hlp::TopicStream stream;
  hlp::TopicBuilder builder(
      reader, fonts, [](helpc::HotspotKind, const helpc::HotspotTarget&) { return hlp::jump_command(false, 1); },
      [&](hlp::TopicText& topic) {
        stream.begin_topic(topic.title, topic.macros);
        for (const auto& p : topic.paragraphs) stream.add_paragraph(p);
      });
  reader.run(builder);
  builder.finish();
  const std::string topic_file = stream.render().value_or("");  // plain blocks always render
  // A stream with no topic has no chain to walk (the compiler writes no help
  // file then); one with topics reads back with every topic header.
  if (stream.topics() > 0 && hlp::count_topic_headers(topic_file) != stream.topics()) __builtin_trap();
  fonts.render();
  return 0;
}
