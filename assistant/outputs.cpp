#include "assistant/outputs.h"

#include "platform/files.h"
#include "platform/paths.h"

namespace assistant {

namespace {

constexpr std::string_view kRtfHead =
    "{\\rtf1\\ansi\\deff13\r\n"
    "\\sectd \\ftnbj {\\fonttbl{\\f13\\fswiss Arial;}}{\\stylesheet{\\s0\\fs16\\snext0 Normal;}}\r\n"
    "\\pard\\plain\\s0\r\n";
constexpr std::string_view kNextTopic = "\\par\\page \\pard\\plain\\s0\r\n";

// The popup text as RTF: line breaks become "\par ", and the characters
// RTF gives a meaning are escaped so that the text arrives as typed.
std::string popup_rtf(std::string_view popup) {
  std::string out;
  for (size_t i = 0; i < popup.size(); ++i) {
    char c = popup[i];
    if (c == '\r' && i + 1 < popup.size() && popup[i + 1] == '\n') {
      out += "\\par ";
      ++i;
    } else if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += c;
    } else {
      out += c;
    }
  }
  return out;
}

std::string header_number(const Model& model, int index) {
  if (model.mode == IdSource::include_file) return std::to_string(index + 10);
  return std::string(entry_context(model.entry(index)));
}

}  // namespace

std::string header_text(const Model& model) {
  std::string out;
  for (int i = 0; i < model.count(); ++i)
    out += "#define " + shown_id(model.entry(i), model.mode) + "\t" + header_number(model, i) + "\r\n";
  return out;
}

std::string rtf_text(const Model& model) {
  if (model.count() == 0) return {};
  std::string out(kRtfHead);
  bool first = true;
  for (std::string_view entry : model.entries()) {
    if (!entry_complete(entry)) continue;
    // The page break goes between written topics, so no empty topic leads.
    if (!first) out += kNextTopic;
    first = false;
    out += "{\\up #}{\\footnote # " + shown_id(entry, model.mode) + "}\r\n";
    out += "{\\plain\\fs16\r\n";
    out += popup_rtf(entry_popup(entry)) + "}\r\n";
  }
  out += "\\par }\r\n";
  return out;
}

std::string test_project_text(std::string_view rtf_path, std::string_view header_path) {
  std::string out = "[FILES]\r\n";
  out.append(rtf_path).append("\r\n[MAP]\r\n#include ").append(header_path).append("\r\n");
  return out;
}

bool write_outputs(const Model& model, std::string_view rtf_path) {
  bool ok = true;
  if (model.count() > 0) ok = platform::write_file(rtf_path, rtf_text(model));
  return platform::write_file(platform::replace_extension(rtf_path, ".h"), header_text(model)) && ok;
}

}  // namespace assistant
