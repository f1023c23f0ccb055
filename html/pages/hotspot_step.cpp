#include "html/pages/hotspot_step.h"

#include "html/pages/context_resolver.h"
#include "html/driver/conversion_run.h"
#include "html/text/html_text.h"
#include "html/pages/keyword_lookup.h"
#include "html/text/markup.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

// The text of the link for a hotspot. The marker took the blank that ended
// the hotspot's RTF control word as its first character: it goes. Further
// leading blanks and line ends stay, outside the link.
struct LinkText {
  std::string lead;
  std::string text;
};

LinkText link_text(std::string_view raw) {
  if (raw.starts_with(' ')) raw.remove_prefix(1);
  std::size_t start = 0;
  while (start < raw.size() && (raw[start] == ' ' || raw[start] == '\r' || raw[start] == '\n'))
    ++start;
  return {std::string(raw.substr(0, start)), std::string(raw.substr(start))};
}

class HotspotWriter {
 public:
  HotspotWriter(ConversionRun& run, const HotspotPage& page) : run_(run), page_(page) {}
  // The HTML for one hotspot.
  std::string convert(std::string_view text, std::string context);

 private:
  std::string macro(const LinkText& t, std::string_view macro);
  std::string jump(const LinkText& t, std::string context);
  std::string link(const LinkText& t, std::string_view target, std::string_view frame) {
    ++run_.publish.counts.links;
    return t.lead + "<A HREF=\"" + std::string(target) + "\"" + std::string(frame) + ">" + t.text +
           "</A>";
  }

  ConversionRun& run_;
  const HotspotPage& page_;
};

std::string HotspotWriter::convert(std::string_view text, std::string context) {
  LinkText t = link_text(text);
  if (!context.empty() && (context.front() == '%' || context.front() == '*')) context.erase(0, 1);
  if (!context.empty() && context.front() == '!') return macro(t, context);
  return jump(t, std::move(context));
}

std::string HotspotWriter::macro(const LinkText& t, std::string_view macro) {
  std::string keywords;
  bool klink = false;
  if (!link_macro_keywords(macro, keywords, klink)) return t.lead + t.text;
  std::string out = t.lead + "<b>" + t.text + "</b><p>\r\n";
  std::string topics =
      lookup_keyword_topics(run_, keywords, klink ? KeywordKind::k : KeywordKind::a);
  for (std::size_t pos = 0; pos < topics.size();) {
    std::size_t tab = topics.find('\t', pos);
    std::size_t semi = tab == std::string::npos ? tab : topics.find(';', tab);
    if (semi == std::string::npos) break;
    std::string title = topics.substr(pos, tab - pos);
    std::string key = context_key(topics.substr(tab + 1, semi - tab - 1));
    pos = semi + 1;
    if (!run_.publish.contexts.knows(key)) continue;
    std::string target = resolve_context(run_, key);
    if (text::iequals(page_of_target(target), page_.name)) continue;
    ++run_.publish.counts.links;
    out += "<A HREF=\"" + target + "\">" + escape_html(title) + "</A><BR>\r\n";
  }
  return out;
}

std::string HotspotWriter::jump(const LinkText& t, std::string context) {
  erase_all(context, "\r");
  erase_all(context, "\n");
  context = std::string(text::trim_right(context));
  context = context.substr(0, context.find('>'));
  const wizard::ProjectSettings& p = run_.settings.project;
  std::size_t at = context.find('@');
  if (at != std::string::npos) {
    if (p.htmlhelp.use_htmlhelp == 0) {
      // A jump into another help file has no page on this site.
      run_.publish.counts.unresolved(context);
      return t.lead + t.text;
    }
    std::string chm = platform::replace_extension(std::string_view(context).substr(at + 1), ".chm");
    return link(t, "ms-its:" + chm + "::/" + context.substr(0, at) + p.settings.fnames.extension,
                "");
  }
  std::string key = context_key(context);
  if (context.empty() || !run_.publish.contexts.knows(key)) {
    // A jump to a topic that is in no page keeps its text.
    run_.publish.counts.unresolved(context);
    return t.lead + t.text;
  }
  std::string target = resolve_context(run_, key);
  bool main_frame = p.settings.frm.in_frame != 0 && page_.is_toc;
  return link(t, target, main_frame ? wizard::kMainFrameTarget : "");
}

bool is_quote(char c) { return c == '"' || c == '\'' || c == '`'; }

}  // namespace

bool link_macro_keywords(std::string_view macro, std::string& keywords, bool& klink) {
  std::string lower = text::to_lower(macro);
  std::size_t open = std::string::npos;
  static constexpr std::string_view kNames[] = {"klink(", "kl(", "alink(", "al("};
  for (std::string_view name : kNames) {
    std::size_t at = lower.find(name);
    if (at == std::string::npos) continue;
    open = at + name.size();
    klink = name.front() == 'k';
    break;
  }
  if (open == std::string::npos) return false;
  std::string arg(macro.substr(open));
  erase_all(arg, "&quot;");
  std::size_t start = 0;
  while (start < arg.size() && is_quote(arg[start])) ++start;
  std::size_t end = start;
  while (end < arg.size() && arg[end] != ',' && arg[end] != ')' && !is_quote(arg[end])) ++end;
  keywords = arg.substr(start, end - start);
  erase_all(keywords, "\n");
  for (char& c : keywords)
    if (c == '\r') c = ' ';
  return true;
}

void convert_hotspots(ConversionRun& run, const HotspotPage& page, std::string& buffer,
                      ReadOn& more) {
  HotspotWriter writer(run, page);
  for (std::size_t at = buffer.find(kHotspotMarker); at != std::string::npos;
       at = buffer.find(kHotspotMarker, at)) {
    std::size_t end = read_on_until(more, buffer, at + kHotspotMarker.size(), kHotspotEnd);
    std::size_t context = end == kNoPos ? kNoPos : buffer.rfind(kHotspotContext, end);
    if (end == kNoPos || context == std::string::npos || context < at + kHotspotMarker.size()) {
      buffer.erase(at, kHotspotMarker.size());
      continue;
    }
    std::size_t text_start = at + kHotspotMarker.size();
    std::string html = writer.convert(
        std::string_view(buffer).substr(text_start, context - text_start),
        buffer.substr(context + kHotspotContext.size(), end - context - kHotspotContext.size()));
    buffer.replace(at, end + kHotspotEnd.size() - at, html);
    at += html.size();
  }
}

}  // namespace html
