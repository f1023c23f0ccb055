#include "host/rtf_census.h"

#include <string_view>

#include "platform/code_pages.h"
#include "rtf/code_page.h"
#include "rtf/reader.h"

namespace tw_test {

namespace {


std::string trimmed(std::string_view s) {
  std::size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string_view::npos) return {};
  std::size_t e = s.find_last_not_of(" \t\r\n");
  return std::string(s.substr(b, e + 1 - b));
}

bool underlined(const rtf::CharFormat& f) {
  return f.underline == rtf::Underline::single || f.underline == rtf::Underline::double_line ||
         f.strike;
}

class CensusSink : public rtf::Sink {
 public:
  CensusSink(const rtf::Reader& reader, int code_page, RtfCensus& census)
      : reader_(reader), code_page_(code_page), census_(census) {}

  void text(std::string_view bytes, const rtf::CharFormat& format) override {
    std::string utf8;
    int page = code_page_;
    auto font = reader_.header().fonts.find(format.font);
    if (font != reader_.header().fonts.end()) {
      int of_font = rtf::code_page_of_charset(font->second.charset);
      if (of_font != 0 && font->second.charset != 0) page = of_font;
    }
    for (char c : bytes) platform::append_utf8(utf8, rtf::unicode_from_byte(static_cast<unsigned char>(c), page));
    add(utf8, format);
  }
  void unicode_char(std::uint32_t code_point, const rtf::CharFormat& format) override {
    std::string utf8;
    platform::append_utf8(utf8, code_point);
    add(utf8, format);
  }
  void paragraph_end(const rtf::ParaFormat&) override { boundary(" "); }
  void cell_end(const rtf::ParaFormat&) override { boundary(" "); }
  void page_break() override { boundary(""); }
  void footnote_begin() override {
    end_hotspot();
    in_footnote_ = true;
    footnote_.clear();
  }
  void footnote_end() override {
    in_footnote_ = false;
    take_footnote();
  }
  void finish() { end_hotspot(); }

 private:
  void add(const std::string& utf8, const rtf::CharFormat& format) {
    if (in_footnote_) {
      footnote_ += utf8;
      return;
    }
    if (format.hidden) {
      if (!hotspot_.empty()) target_ += utf8;
      return;
    }
    // Blanks between a hotspot and its hidden target belong to neither.
    if (!underlined(format) && target_.empty() && !hotspot_.empty() && trimmed(utf8).empty()) return;
    if (!target_.empty() || !underlined(format)) end_hotspot();
    if (underlined(format)) hotspot_ += utf8;
    last_visible_ = utf8.empty() ? last_visible_ : utf8.back();
  }
  void boundary(std::string_view text) {
    if (in_footnote_) {
      footnote_ += text;
      return;
    }
    end_hotspot();
    last_visible_ = ' ';
  }
  void end_hotspot() {
    std::string target = trimmed(target_);
    if (!hotspot_.empty() && !target.empty() && target.front() != '!') {
      census_.jumps.push_back(target.substr(0, target.find('>')));
    }
    hotspot_.clear();
    target_.clear();
  }
  void take_footnote() {
    std::string text = trimmed(footnote_);
    char mark = last_visible_;
    if (!text.empty() && text.front() == mark) text = trimmed(text.substr(1));
    if (mark == '#') census_.contexts.insert(text);
    if (mark == '$') census_.titles.push_back(text);
    if (mark != 'K') return;
    std::size_t from = 0;
    while (from <= text.size()) {
      std::size_t semi = text.find(';', from);
      std::string keyword = trimmed(text.substr(from, semi - from));
      if (!keyword.empty()) census_.keywords.push_back(keyword);
      if (semi == std::string::npos) break;
      from = semi + 1;
    }
  }

  const rtf::Reader& reader_;
  int code_page_;
  RtfCensus& census_;
  bool in_footnote_ = false;
  std::string footnote_, hotspot_, target_;
  char last_visible_ = ' ';
};

int document_code_page(const std::string& rtf) {
  std::size_t at = rtf.find("\\ansicpg");
  if (at == std::string::npos) return rtf::kDefaultCodePage;
  return std::atoi(rtf.c_str() + at + 8);
}

}  // namespace

void count_rtf(const std::string& rtf, RtfCensus& census) {
  rtf::Reader reader(rtf);
  CensusSink sink(reader, document_code_page(rtf), census);
  reader.run(sink);
  sink.finish();
}

int declared_code_page(const std::string& html) {
  std::size_t at = html.find("charset=");
  if (at == std::string::npos) return rtf::kDefaultCodePage;
  std::size_t end = html.find_first_of("\"'; >", at + 8);
  int page = rtf::code_page_of_charset_name(std::string_view(html).substr(at + 8, end - at - 8));
  return page != 0 ? page : rtf::kDefaultCodePage;
}

std::string html_text_as_utf8(const std::string& html, int code_page) {
  std::string out;
  for (std::size_t i = 0; i < html.size(); ++i) {
    if (html[i] == '&') {
      std::size_t semi = html.find(';', i);
      std::string_view entity = std::string_view(html).substr(i + 1, semi - i - 1);
      std::uint32_t c = 0;
      if (entity == "amp") c = '&';
      else if (entity == "lt") c = '<';
      else if (entity == "gt") c = '>';
      else if (entity == "quot") c = '"';
      else if (entity == "nbsp") c = 0xA0;
      else if (entity.size() > 1 && entity[0] == '#') c = static_cast<std::uint32_t>(std::atol(std::string(entity.substr(1)).c_str()));
      if (c != 0 && semi != std::string::npos) {
        platform::append_utf8(out, c);
        i = semi;
        continue;
      }
    }
    platform::append_utf8(out, rtf::unicode_from_byte(static_cast<unsigned char>(html[i]), code_page));
  }
  return out;
}

}  // namespace tw_test
