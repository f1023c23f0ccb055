#include "html/pictures/caption_step.h"

#include <algorithm>

#include "html/text/html_text.h"
#include "html/text/markup.h"
#include "html/text/read_on.h"

namespace html {

namespace {

constexpr std::string_view kCaptionStart = "LFCBCAP";
constexpr std::string_view kCaptionEnd = "LFCECAP";
constexpr std::string_view kFullPicture = "!!lfcg";
constexpr std::string_view kThumbnail = "LFCTHUMB";
constexpr std::size_t kCaptionReadOn = 300;
constexpr std::size_t kThumbnailReadOn = 5000;

// The text between the first pair of double quotes of the first IMG tag.
std::string first_picture_source(std::string_view html) {
  std::size_t img = find_nocase(html, "<IMG");
  if (img == kNoPos) return {};
  std::size_t open = html.find('"', img);
  std::size_t close = open == kNoPos ? kNoPos : html.find('"', open + 1);
  if (close == kNoPos) return {};
  return std::string(html.substr(open + 1, close - open - 1));
}

std::string centred_link(const std::string& target, const std::string& content) {
  if (target.empty()) return "<P><CENTER>" + content + "</CENTER></P>";
  return "<P><CENTER><A HREF=\"" + target + "\">" + content + "</A></CENTER></P>";
}

// Where a caption without its end marker ends: the paragraph's next tag.
std::size_t paragraph_end(std::string_view text, std::size_t from) {
  return std::min(find_nocase(text, "</P", from), find_nocase(text, "<P", from));
}

}  // namespace

void link_captions(std::string& buffer, ReadOn& more) {
  for (std::size_t at = buffer.find(kCaptionStart); at != kNoPos;
       at = buffer.find(kCaptionStart, at)) {
    const std::size_t inner = at + kCaptionStart.size();
    std::size_t end = read_on_until(more, buffer, inner, kCaptionEnd, buffer.size() + kCaptionReadOn);
    std::size_t rest = end == kNoPos ? kNoPos : end + kCaptionEnd.size();
    if (end == kNoPos) rest = end = paragraph_end(buffer, inner);
    if (end == kNoPos) {
      buffer.erase(at, kCaptionStart.size());
      continue;
    }
    std::string_view caption = std::string_view(buffer).substr(inner, end - inner);
    std::string link = centred_link(escape_html(first_picture_source(caption)), strip_tags(caption));
    buffer = buffer.substr(0, at) + link + buffer.substr(rest);
    at += link.size();
  }
}

void link_thumbnails(std::string& buffer, ReadOn& more) {
  for (std::size_t at = buffer.find(kFullPicture); at != kNoPos; at = buffer.find(kFullPicture, at)) {
    std::size_t mark = read_on_until(more, buffer, at, kThumbnail, buffer.size() + kThumbnailReadOn);
    std::size_t thumb = mark == kNoPos ? kNoPos : find_nocase(buffer, "<I", mark);
    std::size_t thumb_end = thumb == kNoPos ? kNoPos : tag_end(buffer, thumb);
    if (thumb_end == kNoPos) {
      buffer.erase(at, kFullPicture.size());
      erase_all(buffer, kThumbnail);
      continue;
    }
    std::string target =
        first_picture_source(std::string_view(buffer).substr(at, mark - at));
    std::string tag = buffer.substr(thumb, thumb_end - thumb) + " BORDER=0>";
    std::string link = centred_link(target, tag);
    buffer = buffer.substr(0, at) + link + buffer.substr(thumb_end + 1);
    at += link.size();
  }
}

}  // namespace html
