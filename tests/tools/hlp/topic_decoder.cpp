#include "tools/hlp/topic_decoder.h"

#include <cstdio>

#include "tools/helpc/hlp/bytes.h"
#include "tools/helpc/hlp/context_hash.h"
#include "tools/helpc/hlp/topic_blocks.h"
#include "tools/helpc/hlp/topic_stream.h"

namespace hlp_test {
namespace {

std::string name_of(std::int32_t hash, const std::vector<std::string>& contexts) {
  for (const auto& c : contexts) {
    if (hlp::context_hash(c) == hash) return c;
  }
  return "?";
}

std::string decode_paragraph(std::string_view formatting, std::string_view text,
                             const std::vector<std::string>& contexts) {
  hlp::Reader f(formatting);
  f.packed_u32();
  f.packed_u16();
  f.skip(4);
  std::string out;
  const auto bits = f.u16().value_or(0);
  const std::pair<std::uint32_t, const char*> values[] = {
      {0x0002, "sb"}, {0x0004, "sa"}, {0x0010, "li"}, {0x0020, "ri"}, {0x0040, "fi"}};
  for (const auto& [bit, name] : values) {
    if (bits & bit) out += std::string("{") + name + " " + std::to_string(f.packed_i16().value_or(-99999)) + "}";
  }
  std::size_t t = 0;
  while (true) {
    std::size_t end = text.find('\0', t);
    if (end == std::string_view::npos) break;
    out.append(text.substr(t, end - t));
    t = end + 1;
    auto cmd = f.u8();
    if (!cmd || *cmd == 0xFF) break;
    switch (*cmd) {
      case 0x80: out += "[f " + std::to_string(*f.u16()) + "]"; break;
      case 0x81: out += "[br]"; break;
      case 0x82: out += "[par]"; break;
      case 0x83: out += "[tab]"; break;
      case 0x89: out += "[end]"; break;
      case 0xE2: out += "[popup " + name_of(*f.i32(), contexts) + "]"; break;
      case 0xE3: out += "[jump " + name_of(*f.i32(), contexts) + "]"; break;
      case 0xC8: {
        auto size = f.u16();
        std::string macro;
        for (std::uint32_t i = 0; i + 1 < *size; ++i) macro += static_cast<char>(*f.u8());
        f.u8();
        out += "[macro " + macro + "]";
        break;
      }
      case 0xEA:
      case 0xEB: {
        auto size = f.u16();
        auto type = f.u8();
        std::string target = name_of(*f.i32(), contexts);
        std::string rest;
        for (std::uint32_t i = 5; i < *size; ++i) {
          char c = static_cast<char>(*f.u8());
          rest += *type != 1 && c == '\0' ? '|' : c;
        }
        if (*type == 1) rest = "window " + std::to_string(static_cast<unsigned char>(rest[0]));
        out += std::string(*cmd == 0xEA ? "[popup " : "[jump ") + target + " " + rest + "]";
        break;
      }
      case 0x86:
      case 0x87:
      case 0x88: {
        const char* place = *cmd == 0x86 ? "c" : *cmd == 0x87 ? "l" : "r";
        auto type = f.u8().value_or(0);
        auto size = f.packed_i32().value_or(0);
        if (type == 0x05) {
          f.skip(6);
          out += std::string("[ew") + place + " " + f.sz().value_or("?") + "]";
          break;
        }
        int hotspots = type == 0x22 ? f.packed_u16().value_or(0) : 0;
        f.u16();
        out += std::string("[bm") + place + " " + std::to_string(f.u16().value_or(0));
        if (type == 0x22) out += " hotspots " + std::to_string(hotspots);
        out += size == 4 ? "]" : " size?]";
        break;
      }
      default: out += "[?]"; break;
    }
  }
  return out;
}

}  // namespace

std::vector<DecodedRecord> decode_topics(std::string_view topic_file, const std::vector<std::string>& contexts,
                                         bool compressed) {
  auto data = hlp::read_topic_blocks(topic_file, compressed);
  if (!data) return {};
  const std::string& stream = data->stream;
  std::vector<DecodedRecord> out;
  std::uint32_t position = hlp::kTopicBlockHeaderSize;
  while (position != 0xFFFFFFFFu && out.size() < 100000) {
    auto found = hlp::stream_index(*data, position);
    if (!found) break;
    std::size_t at = *found;
    hlp::Reader link(stream, at);
    auto block_size = link.u32();
    auto text_size = link.u32();
    link.skip(4);
    auto next = link.u32();
    auto formatting_size = link.u32();
    auto type = link.u8();
    if (!type) break;
    DecodedRecord record;
    record.type = static_cast<int>(*type);
    record.position = static_cast<std::int32_t>(position);
    std::string_view formatting = std::string_view(stream).substr(at + 21, *formatting_size - 21);
    std::string_view text = std::string_view(stream).substr(at + *formatting_size, *text_size);
    if (*block_size != *formatting_size + *text_size) record.text = "[bad size]";
    if (*type == hlp::kRecordTopicHeader) {
      hlp::Reader h(formatting, 4);
      record.browse_back = *h.i32();
      record.browse_next = *h.i32();
      h.skip(4);
      record.non_scroll = *h.i32();
      record.scroll = *h.i32();
      std::string shown(text);
      while (!shown.empty() && shown.back() == '\0') shown.pop_back();
      for (char& c : shown) if (c == '\0') c = '|';
      record.text += "TOPIC " + shown;
    } else {
      record.text += decode_paragraph(formatting, text, contexts);
    }
    out.push_back(record);
    position = *next;
  }
  return out;
}

}  // namespace hlp_test
