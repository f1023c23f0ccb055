#include "contents/outline_delivery.h"

#include <algorithm>

#include "contents/entry_fields.h"
#include "contents/outline_file.h"
#include "platform/files.h"

namespace contents {
namespace {

Delivery finish(OutlineReader& reader) {
  reader = OutlineReader{};
  return Delivery::end;
}

bool open(OutlineReader& reader, std::string_view path) {
  reader.bytes = platform::read_file(path);
  return reader.bytes.has_value();
}

// The line at the reader's offset, without its end (CR LF, LF or a lone CR);
// the offset moves past it.
std::optional<std::string_view> next_line(OutlineReader& reader) {
  const std::string_view bytes = *reader.bytes;
  if (reader.offset >= bytes.size()) return std::nullopt;
  const size_t end = std::min(bytes.find_first_of("\r\n", reader.offset), bytes.size());
  const std::string_view line = bytes.substr(reader.offset, end - reader.offset);
  reader.offset = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  return line;
}

}  // namespace

OutlineItem outline_item(std::string_view line) {
  OutlineItem item;
  const auto equals = line.find('=');
  const std::string_view head = line.substr(0, equals);
  if (equals != std::string_view::npos) item.target = std::string(line.substr(equals + 1));
  const auto space = head.find(' ');
  item.level = std::string(head.substr(0, space));
  if (space != std::string_view::npos) item.title = std::string(head.substr(space + 1));
  if (is_placeholder_title(item.title)) item.title.clear();
  return item;
}

Delivery get_outline(OutlineReader& reader, std::string_view outline_path, bool start, OutlineItem& item) {
  if (start) {
    reader = OutlineReader{};
    if (!open(reader, outline_path)) return Delivery::end;
    while (const auto line = next_line(reader)) {
      if (is_outline_start(*line)) break;
    }
    reader.started = true;
    return Delivery::started;
  }
  if (!reader.started) return Delivery::end;
  if (!reader.bytes && !open(reader, outline_path)) return finish(reader);
  const auto line = next_line(reader);
  if (!line || is_outline_end(*line)) return finish(reader);
  if (line->find_first_not_of(" \t") == std::string_view::npos) return Delivery::blank;
  item = outline_item(*line);
  item.delivered = true;
  // The caller works on the document now: let go of the file until the next call.
  if (item.level == "1") reader.bytes.reset();
  return Delivery::entry;
}

}  // namespace contents
