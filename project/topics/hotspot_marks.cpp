#include "project/topics/hotspot_marks.h"

#include "platform/text.h"

namespace project {
namespace {

bool blank(std::string_view bytes) { return bytes.find_first_not_of(' ') == std::string_view::npos; }

}  // namespace

std::optional<Hotspot> HotspotReader::text(std::string_view bytes, const rtf::CharFormat& format) {
  if (format.hidden) {
    if (stage_ != Stage::none) {
      stage_ = Stage::hidden;
      target_.append(bytes);
    }
    return std::nullopt;
  }
  std::optional<Hotspot> done;
  if (stage_ == Stage::hidden) done = finish();
  if (format.underline == rtf::Underline::double_line || format.underline == rtf::Underline::single) {
    // Of underlined runs in a row, the last one's underline decides the kind.
    stage_ = Stage::underlined;
    kind_ = format.underline == rtf::Underline::double_line ? HotspotKind::jump : HotspotKind::popup;
  } else if (!blank(bytes)) {
    stage_ = Stage::none;  // visible text between the hotspot and any hidden text
  }
  return done;
}

std::optional<Hotspot> HotspotReader::boundary() {
  std::optional<Hotspot> done;
  if (stage_ == Stage::hidden) done = finish();
  stage_ = Stage::none;
  return done;
}

std::optional<Hotspot> HotspotReader::finish() {
  std::string target(text::trim(target_));
  target_.clear();
  stage_ = Stage::none;
  if (target.empty()) return std::nullopt;
  HotspotKind kind = target.find('!') != std::string::npos ? HotspotKind::macro : kind_;
  return Hotspot{kind, std::move(target)};
}

}  // namespace project
