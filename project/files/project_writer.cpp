// Producing a whole help project file from the project data, line by line in
// the order the help compilers and Help Workshop expect.
#include <string>

#include "core/project_paths.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/files/config_macros.h"
#include "project/files/project_file_format.h"
#include "project/files/window_records.h"

namespace project {
namespace {

// Help Workshop's window pair of a newly generated Windows 95 project.
constexpr const char* kWin95MainWindow = "main=\"%s\",,28932,(r14876671),(r12632256),f2\n";
constexpr const char* kWin95ProcWindow =
    "proc1=\"%s\",(653,102,360,600),20740,(r14876671),(r12632256),f3\n";
constexpr const char* kCompressNames[] = {"OFF", "MEDIUM", "HIGH"};

class Writer {
 public:
  Writer(const ProjectData& data, const core::TopicFileList& files, const FormContext& ctx,
         const WriteExtras& extras)
      : data_(data), m_(data.project), files_(files), ctx_(ctx), extras_(extras) {}

  std::string run() {
    options();
    build_tags();
    files_section();
    bitmaps();
    config();
    windows();
    alias();
    map();
    if (!win30()) lines(extras_.previous.baggage);
    return out_;
  }

 private:
  bool win30() const { return ctx_.form == FileForm::win30; }
  bool win95() const { return ctx_.form == FileForm::win95; }
  bool doc_only() const { return ctx_.doc_only != kDocOnlyNone; }
  void line(std::string_view s) { out_ += std::string(s) + "\n"; }
  void with_separator(std::string_view s) {
    line(s);
    line(";");
  }
  void lines(const std::vector<std::string>& ls) { out_ += formats::join_lines(ls); }

  void options() {
    line(";");
    line("[OPTIONS]");
    line("ROOT=" + (m_.root.empty() ? core::project_directory(ctx_.project_path) : m_.root));
    if (!win30()) line("ERRORLOG=" + platform::replace_extension(ctx_.project_path, ".log"));
    if (!m_.title.empty()) line("TITLE=" + m_.title);
    if (!m_.contents_topic.empty()) line((win30() ? "INDEX=" : "CONTENTS=") + m_.contents_topic);
    line(text::format("WARNING=%d", m_.warning_level));
    if (m_.compression != 0) line(m_.old_keyphrase ? "OLDKEYPHRASE=YES" : "OLDKEYPHRASE=NO");
    compress();
    if (!win30()) bitmap_roots();
    if (!win30()) {
      with_separator("COPYRIGHT=" + copyright_to_file(m_.copyright));
      with_separator("CITATION=" + m_.citation);
    }
    build_expression();
    if (!win30()) {
      with_separator("ICON=" + m_.icon);
      if (m_.cdrom) with_separator("OPTCDROM=yes");
    }
    extra_options();
    if (!win30() && !m_.language.empty()) with_separator("LANGUAGE=" + m_.language);
    if (!m_.force_font.empty()) with_separator("FORCEFONT=" + m_.force_font);
    for (char c : m_.multikey_chars) line(std::string("MULTIKEY=") + c);
  }

  // LCID marks a Help Workshop project; the Windows 3.x compilers do not
  // know it, and it would turn the project into a Windows 95 one.
  void extra_options() {
    for (const auto& l : text::split(m_.extra_options, '\n')) {
      if (l.empty() || (!win95() && text::istarts_with(text::trim(l), "LCID"))) continue;
      line(l);
    }
  }

  void compress() {
    int level = m_.compression >= 0 && m_.compression <= 2 ? m_.compression : 0;
    if (win30()) {
      line(level != 0 ? "COMPRESS=TRUE" : "COMPRESS=FALSE");
    } else {
      line(std::string("COMPRESS=") + kCompressNames[level]);
    }
  }

  // Help Workshop finds the product's stock bitmaps itself.
  void bitmap_roots() {
    std::string roots = m_.bitmap_roots;
    if (win95() && !ctx_.stock_bitmaps.empty()) {
      auto at = text::ifind(roots, ctx_.stock_bitmaps);
      if (at != std::string::npos) {
        size_t from = at > 0 && roots[at - 1] == ',' ? at - 1 : at;
        size_t to = at + ctx_.stock_bitmaps.size();
        if (from == at && to < roots.size() && roots[to] == ',') ++to;
        roots.erase(from, to - from);
      }
    }
    if (!roots.empty()) with_separator("BMROOT=" + roots);
  }

  void build_expression() {
    const std::string& expr = m_.build_expression;
    if (doc_only()) {
      if (expr.empty()) {
        with_separator("BUILD=~DOC_ONLY");
      } else {
        const bool has = expr.find("DOC_ONLY") != std::string::npos;
        with_separator("BUILD=" + expr + (has ? "" : "& ~DOC_ONLY"));
      }
    } else if (!expr.empty()) {
      with_separator("BUILD=" + expr);
    }
  }

  void build_tags() {
    line(";");
    line("[BUILDTAGS]");
    if (doc_only()) line("DOC_ONLY");
    for (const auto& tag : data_.build_tags) line(tag);
  }

  void files_section() {
    line(";");
    line("[FILES]");
    for (const auto& entry : files_section_lines(m_, files_)) line(entry);
  }

  void bitmaps() {
    if (win95()) return;
    line(";");
    line("[BITMAPS]");
    for (const auto& file : m_.bitmap_files) {
      if (!file.empty() && !platform::is_separator(file.back())) line(file);
    }
    lines(extras_.previous.bitmap_includes);
  }

  void config() {
    if (win30()) return;
    line(";");
    line("[CONFIG]");
    if (m_.browse_buttons && !text::icontains(m_.config_macros, "BrowseButtons()")) {
      line("BrowseButtons()");
    }
    line(macros_to_config_lines(m_.config_macros));
    if (!win95()) out_ += m_.format_comments + m_.window_comments;
    if (m_.emulation && m_.config_macros.find("tw95em") == std::string::npos) {
      for (const auto& l : extras_.emulation_lines) out_ += l;
    }
    if (!win95() && m_.sound &&
        extension_needed(m_.config_macros, "sndPlaySound", extras_.sound_setting)) {
      out_ += extension_lines(extras_.sound_setting);
    }
  }

  void windows() {
    if (win95()) {
      line(";");
      line("[WINDOWS]");
      out_ += text::format(kWin95MainWindow, m_.title.c_str());
      out_ += text::format(kWin95ProcWindow, m_.title.c_str());
      return;
    }
    if (data_.windows.empty()) return;
    line(";");
    line("[WINDOWS]");
    for (const auto& w : data_.windows) line(format_window_line(w));
  }

  void alias() {
    if (!m_.alias_taken_over) {
      lines(extras_.previous.alias);
      return;
    }
    out_ += m_.alias_header.empty() ? std::string("[ALIAS]\n") : m_.alias_header;
    out_ += m_.alias_lines;
  }

  // Name-and-number lines of an earlier [MAP] stay behind the includes.
  void map() {
    if (!m_.map_include.empty() || !m_.extra_includes.empty()) {
      line("[MAP]");
      out_ += map_include_lines(m_);
      lines(extras_.previous.map_lines);
    } else if (!win30()) {
      lines(extras_.previous.map);
    }
  }

  const ProjectData& data_;
  const ProjectFileModel& m_;
  const core::TopicFileList& files_;
  const FormContext& ctx_;
  const WriteExtras& extras_;
  std::string out_;
};

}  // namespace

CarriedSections carried_sections(const formats::HpjText& previous) {
  CarriedSections c;
  c.bitmap_includes = previous.copy_section("BITMAPS", formats::CopyMode::only_includes);
  c.alias = previous.copy_section("ALIAS", formats::CopyMode::all_lines);
  c.map = previous.copy_section("MAP", formats::CopyMode::all_lines);
  c.map_lines = previous.copy_section("MAP", formats::CopyMode::without_includes);
  c.baggage = previous.copy_section("BAGGAGE", formats::CopyMode::all_lines);
  return c;
}

std::string map_include_lines(const ProjectFileModel& model) {
  std::string out;
  if (!model.map_include.empty()) out += "#include <" + model.map_include + ">\n";
  for (const auto& entry : text::split(model.extra_includes, ',')) {
    std::string_view name = text::trim(entry);
    if (!name.empty()) out += "#include <" + std::string(name) + ">\n";
  }
  return out;
}

std::vector<std::string> files_section_lines(const ProjectFileModel& model,
                                             const core::TopicFileList& files) {
  std::vector<std::string> out;
  for (int i = 0; i < files.count(); ++i) {
    if (files.number(i) >= 0) out.push_back(files.name(i));
  }
  out.insert(out.end(), model.other_file_lines.begin(), model.other_file_lines.end());
  return out;
}

std::string render_project_file(const ProjectData& data, const core::TopicFileList& files,
                                const FormContext& context, const WriteExtras& extras) {
  return Writer(data, files, context, extras).run();
}

}  // namespace project
