#include "aids/multimedia_element.h"

#include "platform/text.h"

namespace aids {

namespace {

bool has(std::string_view text, std::string_view word) {
  return text.find(word) != std::string_view::npos;
}

std::string options_text(const MultimediaElement& e, bool win95) {
  std::string out;
  if (win95 && !e.baggage) out += " EXTERNAL";
  if (!e.playbar) out += " NOPLAYBAR";
  if (win95 && !e.menu) out += " NOMENU";
  if (e.autoplay) out += " PLAY";
  if (e.loop) out += " REPEAT";
  return out;
}

}  // namespace

MultimediaElement parse_multimedia_element(std::string_view text, bool win95) {
  MultimediaElement e;
  if (text::trim(text).empty()) return e;
  e.playbar = !has(text, "NOPLAYBAR");
  e.menu = !(win95 && has(text, "NOMENU"));
  e.baggage = !(win95 && has(text, "EXTERNAL"));
  if (has(text, win95 ? "_left" : "ewl")) e.position = ElementPosition::left;
  else if (has(text, win95 ? "_right" : "ewr")) e.position = ElementPosition::right;
  e.autoplay = has(text, " PLAY") || has(text, "PLAY ");
  e.loop = has(text, "REPEAT");
  std::size_t sep = text.rfind(win95 ? ',' : '|');
  if (sep != std::string_view::npos) {
    std::string_view rest = text.substr(sep + 1);
    e.file = std::string(text::trim(rest.substr(0, rest.find('}'))));
  }
  return e;
}

std::string multimedia_element_text(const MultimediaElement& e, bool win95) {
  const std::string options = options_text(e, win95);
  if (win95) {
    std::string out = "{mci";
    if (e.position == ElementPosition::left) out += "_left";
    if (e.position == ElementPosition::right) out += "_right";
    out += options;
    if (out.back() != ' ') out += ' ';
    return out + "," + e.file + "}";
  }
  const char letter = e.position == ElementPosition::left    ? 'l'
                      : e.position == ElementPosition::right ? 'r'
                                                             : 'c';
  return std::string("{ew") + letter + " twzmm.dll,TWMCI," + options + "|" + e.file + "}";
}

}  // namespace aids
