#include "html/publish_summary.h"

#include "html/conversion_run.h"
#include "html/run_pages.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

std::string publish_summary(const ConversionRun& run) {
  const PublishCounts& c = run.publish.counts;
  std::string start = run.publish.frameset_written
                          ? frameset_path(run)
                          : platform::join_path(run.settings.derived.output_directory, run.home_page);
  return text::format(
      "start=%s\npages=%d\nlinks=%d\nunresolved=%d\nindex=%d\nfailed_files=%d\nfailed_pages=%d\n",
      start.c_str(), c.pages, c.links, c.unresolved_jumps, c.index_entries, c.failed_files,
      c.failed_pages);
}

}  // namespace html
