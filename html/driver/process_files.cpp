#include "html/driver/process_files.h"

#include <memory>

#include "html/index/cnt_toc.h"
#include "html/driver/conversion_run.h"
#include "html/index/finish_index.h"
#include "html/index/heading_contents.h"
#include "html/splitter/html_registration.h"
#include "html/text/markup.h"
#include "html/framing/contents_sidebar.h"
#include "html/framing/master_page.h"
#include "html/framing/page_framer.h"
#include "html/pages/page_writer.h"
#include "html/pages/post_script.h"
#include "html/driver/progress_window.h"
#include "html/finishing/context_index.h"
#include "html/finishing/html_help_project.h"
#include "html/finishing/publication.h"
#include "html/pages/related_block.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace html {

namespace {

// The run's progress window, when it has one.
class Progress {
 public:
  explicit Progress(int steps)
      : window_(show_progress_over(kProcessingCaption, steps + 1, kProgressThreshold)) {}
  void step() {
    if (window_) window_->step();
  }
  void close() { window_.reset(); }

 private:
  std::unique_ptr<ProgressWindow> window_;
};

// The TOC comes from the contents file only when the project asks for it and
// the file exists; otherwise the run picks its home page from the topics.
void choose_contents_source(ConversionRun& run) {
  wizard::SourceOptions& source = run.settings.project.twhtml;
  run.publish.toc_from_cnt = false;
  if (source.cnt_type != 0) return;
  if (platform::file_exists(contents_file_path(run))) {
    run.publish.toc_from_cnt = true;
  } else {
    source.cnt_type = 1;  // for this run only: the splitter chooses the home page
  }
}

// Without a contents-file TOC the home page must be a page of the run: the
// help project's contents topic, else the first page.
void settle_home_page(ConversionRun& run) {
  if (run.publish.toc_from_cnt || run.publish.names.position_of(run.home_page)) return;
  std::string key = context_key(run.project.contents_topic);
  if (!run.project.contents_topic.empty() && run.publish.contexts.knows(key)) {
    run.home_page = std::string(page_of_target(run.publish.contexts.resolve(key)));
  } else {
    run.home_page = page_name(run.page_list.at(0).path);
  }
}

bool index_due(const ConversionRun& run) {
  return run.settings.derived.index_on && (run.has_keywords || !run.publish.index.empty());
}

int progress_steps(const ConversionRun& run) {
  int pages = static_cast<int>(run.page_list.size());
  int steps = run.settings.project.settings.doreltopics != 0 ? 2 * pages : pages;
  return steps + (run.settings.derived.index_on ? 1 : 0);
}

// A held page that no list entry reached is written as split, so that
// nothing the splitter cut is lost.
void write_leftover_pages(ConversionRun& run) {
  for (const std::string& path : run.held_pages.remaining()) {
    std::optional<std::string> text = run.held_pages.take(path);
    if (!text || !platform::write_file(path, *text)) ++run.publish.counts.failed_pages;
  }
  run.held_pages.clear();
}

void write_pages(ConversionRun& run, Progress& progress) {
  // The caller may not vouch for the wizard project that names the script.
  bool post = run.settings.project.extensions.run_post != 0 && platform::project_programs_allowed();
  prepare_page_writing(run);
  settle_home_page(run);
  for (std::size_t i = 0; i < run.page_list.size(); ++i) {
    if (write_topic_page(run, i) == 0) ++run.publish.counts.failed_pages;
    // A script that fails once is not tried on the remaining pages.
    if (post && !run_post_script(run, run.page_list.at(i).path)) post = false;
    progress.step();
  }
  write_leftover_pages(run);
  // The pages' cut sidebars link the whole contents.
  if (!write_whole_contents_page(run)) ++run.publish.counts.failed_pages;
}

void add_all_related_topics(ConversionRun& run, Progress& progress) {
  KeywordPages keywords(run.publish.index);
  for (std::size_t i = 0; i < run.page_list.size(); ++i) {
    add_related_topics(run, i, keywords);
    progress.step();
  }
}

void apply_master_pages(ConversionRun& run, const std::string& toc_page) {
  const wizard::PageSettings& s = run.settings.project.settings;
  std::optional<MasterPage> master = read_master_page(s.masterpg, run.line_reader);
  if (!master) return;
  for (std::size_t i = 0; i < run.page_list.size(); ++i) {
    PageEntry page = run.page_list.at(i);
    apply_master_page(*master, page.path, page.title);
  }
  bool frames = s.frm.in_frame != 0;
  if (!toc_page.empty() && !frames) apply_master_page(*master, toc_page, s.tct);
  if (!run.publish.index_page_path.empty() && !frames)
    apply_master_page(*master, run.publish.index_page_path, s.ixt);
}

}  // namespace

std::string contents_file_path(const ConversionRun& run) {
  return platform::replace_extension(run.project.hpj_path, ".cnt");
}

int process_files(ConversionRun& run) {
  run.publish = PublishState{};
  prepare_page_split(run);
  choose_contents_source(run);
  if (run.page_list.size() == 0) return 0;
  // The split pages go to the page writer through a scratch file, so that
  // each page is created once; without one they are split into files.
  run.held_pages.hold();
  run.publish.counts.failed_files = split_registered_files(run);

  const wizard::ProjectSettings& p = run.settings.project;
  bool html_help = p.htmlhelp.use_htmlhelp != 0;
  Progress progress(progress_steps(run));
  write_pages(run, progress);
  if (html_help && !run.publish.toc_from_cnt) write_heading_contents(run);
  if (p.settings.doreltopics != 0) add_all_related_topics(run, progress);

  std::string toc_page;
  if (run.publish.toc_from_cnt && write_cnt_toc(run, contents_file_path(run)) == 1 && !html_help)
    toc_page = cnt_toc_path(run);
  if (html_help) write_html_help_project(run);
  if (!toc_page.empty()) {
    frame_page(run, toc_page, wizard::PageKind::toc);
    progress.step();
  }
  if (index_due(run)) {
    finish_index(run);
    progress.step();
  }
  if (p.settings.usempage != 0) apply_master_pages(run, toc_page);

  progress.close();
  // Written again now that the index and master pages are done, so that the
  // project names the run's final state.
  if (html_help) write_html_help_project(run);
  write_context_index(run);
  finish_publication(run, false);
  run.publish.index.clear();
  return 1;
}

}  // namespace html
