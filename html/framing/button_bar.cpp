#include "html/framing/button_bar.h"

#include "html/driver/conversion_run.h"
#include "html/text/markup.h"
#include "html/splitter/page_names.h"
#include "html/splitter/topic_splitter.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

using wizard::PageKind;

// Button types as the engine reads them.
enum class Kind { custom = 0, home = 1, index = 2, next = 4, previous = 5 };

// A button's link: where it goes and the TARGET it carries ("" for none).
struct Link {
  std::string href;
  std::string frame;
  bool shown = false;
  bool plain = false;  // written without the frame part (Next, Previous, e-mail)
};

class BarBuilder {
 public:
  BarBuilder(ConversionRun& run, PageKind kind, std::string_view page)
      : run_(run), kind_(kind), page_(page) {}

  Link link_for(const wizard::NavButton& b);

 private:
  std::string neighbour(int step);

  ConversionRun& run_;
  PageKind kind_;
  std::string page_;
};

std::string BarBuilder::neighbour(int step) {
  const wizard::ProjectSettings& p = run_.settings.project;
  if (p.twhtml.use_brws_order != 0) {
    std::string name = step > 0 ? browse_next(run_, page_) : browse_previous(run_, page_);
    // Without a contents-file TOC the home page is not a "previous" page.
    if (step < 0 && !run_.publish.toc_from_cnt && text::iequals(name, run_.home_page)) return {};
    return name;
  }
  std::optional<std::size_t> at = run_.publish.names.position_of(page_);
  if (!at || *at >= run_.page_list.size()) return {};
  if (step < 0) return *at == 0 ? std::string() : page_name(run_.page_list.at(*at - 1).path);
  if (*at + 1 >= run_.page_list.size()) return {};
  return page_name(run_.page_list.at(*at + 1).path);
}

Link BarBuilder::link_for(const wizard::NavButton& b) {
  const wizard::ProjectSettings& p = run_.settings.project;
  const wizard::DerivedSettings& d = run_.settings.derived;
  bool frames = p.settings.frm.in_frame != 0;
  Link link{b.url, "", true, false};
  switch (static_cast<Kind>(b.type)) {
    case Kind::custom:
      if (frames && p.settings.frm.home_exits_frame != 0) link.frame = " TARGET=\"_parent\"";
      break;
    case Kind::home:
      link = {run_.home_page, d.toc_frame_target, true, false};
      if (kind_ == PageKind::index) link.shown = run_.publish.toc_from_cnt || frames;
      break;
    case Kind::index:
      link = {d.index_page_name, d.toc_frame_target, d.index_on && run_.has_keywords, false};
      break;
    case Kind::next:
    case Kind::previous:
      link.href = neighbour(static_cast<Kind>(b.type) == Kind::next ? 1 : -1);
      link.shown = !link.href.empty();
      link.plain = true;
      break;
    default:
      link.plain = true;  // the e-mail button and other plain links
  }
  return link;
}

std::string quoted_alt(std::string_view alt) {
  std::string out(alt);
  std::size_t pos = 0;
  while ((pos = out.find('"', pos)) != std::string::npos) out.replace(pos, 1, "&quot;");
  return out;
}

std::string nbsp(int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += "&nbsp;";
  return out;
}

std::string button_html(const wizard::NavButton& b, const Link& link, bool text_buttons) {
  std::string frame = link.plain ? std::string() : link.frame;
  std::string open = "<a href=\"" + link.href + "\"" + frame + ">";
  if (text_buttons) return open + b.alt_text + "</a>";
  return open + "<IMG SRC=\"" + b.graphic + "\" BORDER=0 ALT=\"" + quoted_alt(b.alt_text) +
         "\"></a>";
}

std::string bar_rule(const wizard::RuleOptions& rule) {
  if (rule.use_graphic != 0 && !rule.graphic.empty())
    return "<CENTER><IMG SRC=\"" + std::string(platform::file_name_of(rule.graphic)) +
           "\" BORDER=0></CENTER>\r\n";
  return text::format("<HR ALIGN=%s SIZE=%d WIDTH=%s>\r\n", rule.alignment.c_str(), rule.height,
                      rule.width.c_str());
}

}  // namespace

bool write_button_bar(ConversionRun& run, std::string& out, PageKind kind, BarPosition where,
                      std::string_view page) {
  const wizard::PageSettings& s = run.settings.project.settings;
  const wizard::ButtonRow& row = where == BarPosition::top ? s.navbuts.top : s.navbuts.bottom;
  bool text_buttons = s.navbuts.text_buttons != 0;
  BarBuilder builder(run, kind, page);
  std::string buttons;
  int written = 0;
  for (const wizard::NavButton& b : run.settings.project.buttons) {
    if (b.kinds[wizard::kind_index(kind)] == 0) continue;
    Link link = builder.link_for(b);
    if (!link.shown) continue;
    if (written > 0)
      buttons += text_buttons ? nbsp(row.spacing) + "|" + nbsp(row.spacing) : nbsp(row.spacing);
    buttons += button_html(b, link, text_buttons);
    ++written;
  }
  if (written == 0) return false;
  static constexpr const char* kOpen[] = {"<P>\r\n", "<P><CENTER>\r\n", "<P><DIV ALIGN=RIGHT>\r\n"};
  static constexpr const char* kClose[] = {"</P>\r\n", "</CENTER><P>\r\n", "</DIV><P>\r\n"};
  int align = (row.alignment >= 0 && row.alignment <= 2) ? row.alignment : 0;
  out += kOpen[align];
  if (row.rule_before != 0) out += bar_rule(s.rule0);
  out += buttons + "\r\n";
  if (row.rule_after != 0) out += bar_rule(s.rule0);
  out += kClose[align];
  return true;
}

}  // namespace html
