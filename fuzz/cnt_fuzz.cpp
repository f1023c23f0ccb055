// Contents files (.cnt): the one reader both libraries use. A file that reads
// writes back in a form that reads to the same entries and writes the same
// bytes again; the editor's retargeting and the HTML table of contents take
// whatever it reads.
#include <cstdlib>
#include <string>

#include "contents/title_updates.h"
#include "formats/cnt_file.h"
#include "fuzz/fuzz_support.h"
#include "html/index/cnt_toc.h"
#include "html/pages/context_resolver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::as_text(data, size);
  const formats::CntFile file = formats::read_cnt(bytes);
  for (const auto& entry : file.entries) fuzz::check(entry.level >= 1 && entry.level <= formats::cnt_max_level);

  const std::string once = formats::write_cnt(file);
  const formats::CntFile again = formats::read_cnt(once);
  fuzz::check(again.entries.size() == file.entries.size());
  fuzz::check(formats::write_cnt(again) == once);

  contents::ContentsModel model;
  model.file = file;
  contents::retarget_entries(model, "IDH_a", "IDH_b", "Title");

  html::ContextResolver contexts;
  contexts.add("guidep2.htm#IDH_a#");
  html::CntTocOptions options;
  html::contents_from_cnt(bytes, options, contexts);
  options.html_help = true;
  html::contents_from_cnt(bytes, options, contexts);
  return 0;
}
