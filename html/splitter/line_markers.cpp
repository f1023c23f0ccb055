// The markers the clean-up turns into HTML: style translations and web links.
#include <optional>

#include "html/splitter/line_cleanup.h"

namespace html {

namespace {

// The translation number at p: as many digits as still give a valid number.
// Returns the number and the digits' length; 0 when no valid number.
std::pair<std::size_t, std::size_t> translation_number(std::string_view s, std::size_t p,
                                                       std::size_t count) {
  std::size_t value = 0, length = 0;
  while (p + length < s.size() && s[p + length] >= '0' && s[p + length] <= '9') {
    std::size_t next = value * 10 + static_cast<std::size_t>(s[p + length] - '0');
    if (next > count) break;
    value = next;
    ++length;
  }
  return value == 0 ? std::pair<std::size_t, std::size_t>{0, 0} : std::pair{value, length};
}

void apply_closings(std::string& line, const std::vector<Translation>& translations) {
  for (std::size_t p = line.find(kTranslationClose); p != std::string::npos;
       p = line.find(kTranslationClose, p)) {
    std::size_t digits = p + kTranslationClose.size();
    auto [n, length] = translation_number(line, digits, translations.size());
    if (n != 0) {
      line.replace(p, kTranslationClose.size() + length, translations[n - 1].closing);
      p += translations[n - 1].closing.size();
    } else if (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
      line.erase(p, kTranslationClose.size() + 1);
    } else {
      p += kTranslationClose.size();
    }
  }
}

// A table translation's start is written out at once; its end follows the
// rest of the line instead of standing where its marker was.
std::string write_table_start(std::string& line, std::size_t end_of_opening,
                              const std::vector<Translation>& translations, std::size_t n) {
  std::string early = line.substr(0, end_of_opening) + "<!nf>";
  line.erase(0, end_of_opening);
  for (std::size_t p = line.find(kTranslationClose); p != std::string::npos;
       p = line.find(kTranslationClose, p + 1)) {
    auto [number, length] =
        translation_number(line, p + kTranslationClose.size(), translations.size());
    if (number != n) continue;
    line.erase(p, kTranslationClose.size() + length);
    line += translations[n - 1].closing;
    break;
  }
  return early;
}

}  // namespace

std::string apply_translations(std::string& line, const std::vector<Translation>& translations,
                               bool word2000) {
  std::string early;
  for (std::size_t p = line.find(kTranslationOpen); p != std::string::npos;
       p = line.find(kTranslationOpen, p)) {
    std::size_t digits = p + kTranslationOpen.size();
    auto [n, length] = translation_number(line, digits, translations.size());
    if (n == 0 || line.compare(digits + length, 2, "!!") != 0) {
      p = digits;
      continue;
    }
    const Translation& t = translations[n - 1];
    line.replace(p, kTranslationOpen.size() + length + 2, t.opening);
    p += t.opening.size();
    if (!word2000 && t.opening.find("<TABLE") != std::string::npos) {
      early += write_table_start(line, p, translations, n);
      p = 0;
    }
  }
  apply_closings(line, translations);
  return early;
}

void apply_web_links(std::string& line, std::string_view target) {
  constexpr std::string_view open = "!!lfcp", middle = "!!", end = "!pe!";
  for (std::size_t p = line.find(open); p != std::string::npos; p = line.find(open, p)) {
    std::size_t text = p + open.size();
    std::size_t mid = line.find(middle, text);
    std::size_t stop = mid == std::string::npos ? mid : line.find(end, mid + middle.size());
    if (stop == std::string::npos) return;
    std::string label = line.substr(text, mid - text);
    std::string address = line.substr(mid + middle.size(), stop - mid - middle.size());
    for (std::size_t cr = address.find("\r\n"); cr != std::string::npos; cr = address.find("\r\n"))
      address.erase(cr, 2);
    address.erase(address.find_last_not_of(' ') + 1);
    std::string link = "<A HREF=\"" + address + "\"";
    if (!target.empty()) link += " TARGET=\"" + std::string(target) + "\"";
    link += ">" + label + "</A>";
    line.replace(p, stop + end.size() - p, link);
    p += link.size();
  }
}

}  // namespace html
