// Test helper: the records of a compiled |TOPIC made readable. A topic
// header shows as "TOPIC title | macros", a paragraph as its text with
// the commands in brackets: [f N] font, [tab], [br], [jump NAME],
// [popup NAME], [macro TEXT], [end] (a hotspot's end), [bmc N] a picture
// (with "hotspots N" when it has them), [ewc TEXT] an embedded window or
// button; indents and spacing
// lead as {li N} {sb N} …. Hashes are shown by
// the context string that has them, among the names given.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hlp_test {

struct DecodedRecord {
  int type = 0;
  std::int32_t position = 0;
  std::string text;
  // Topic headers: their browse links and number.
  std::int32_t browse_back = 0, browse_next = 0;
  // Topic headers: where the non-scrolling and scrolling regions start.
  std::int32_t non_scroll = -1, scroll = -1;
};

std::vector<DecodedRecord> decode_topics(std::string_view topic_file, const std::vector<std::string>& contexts,
                                         bool compressed = false);

}  // namespace hlp_test
