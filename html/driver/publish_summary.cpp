#include "html/driver/publish_summary.h"

#include "html/driver/conversion_run.h"
#include "html/framing/run_pages.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

// The summary must fit the caller's buffer (TWZHTML_SUMMARY_BUFFER).
constexpr std::size_t kSummaryRoom = 1000;

}  // namespace

void PublishCounts::unresolved(const std::string& target) {
  ++unresolved_jumps;
  for (const std::string& name : unresolved_names)
    if (name == target) return;
  unresolved_names.push_back(target);
}

std::string publish_summary(const ConversionRun& run) {
  const PublishCounts& c = run.publish.counts;
  std::string start = run.publish.frameset_written
                          ? frameset_path(run)
                          : platform::join_path(run.settings.derived.output_directory, run.home_page);
  std::string out = text::format(
      "start=%s\npages=%d\nlinks=%d\nunresolved=%d\nindex=%d\nfailed_files=%d\nfailed_pages=%d\n"
      "pictures=%d\nmissing_pictures=%d\nfailed_pictures=%d\n",
      start.c_str(), c.pages, c.links, c.unresolved_jumps, c.index_entries, c.failed_files,
      c.failed_pages, c.pictures, c.missing_pictures, c.failed_pictures);
  if (run.publish.compiler_process > 0)
    out += text::format("compiler=%d\nchm=%s\n", run.publish.compiler_process,
                        run.publish.compiled_file.c_str());
  // Each unknown target by name while they fit; the rest as a count.
  std::size_t listed = 0;
  for (const std::string& name : c.unresolved_names) {
    std::string line = "unknown=" + name + "\n";
    if (out.size() + line.size() + 32 > kSummaryRoom) break;
    out += line;
    ++listed;
  }
  if (listed < c.unresolved_names.size())
    out += text::format("unknown_more=%d\n", static_cast<int>(c.unresolved_names.size() - listed));
  return out;
}

}  // namespace html
