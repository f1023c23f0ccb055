// The page writer on an arbitrary page, as the splitter might have left it:
// headings, tables, hotspot and keyword markers, with a context map that
// resolves some of the links.
#include "fuzz/fuzz_support.h"
#include "html/driver/conversion_run.h"
#include "html/pages/page_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::root();
  fuzz::fresh_host();
  html::ConversionRun run;
  run.settings.location.project_file = "c:\\out\\guide.lfc";
  run.settings.derived.output_directory = "c:\\out";
  run.settings.derived.index_page_name = "lfcindx.htm";
  run.settings.derived.toc_page_name = "twztoc.htm";
  run.settings.derived.frame_page_name = "twzfrm.htm";
  run.project.hpj_path = "c:\\help\\guide.hpj";
  run.page_list.add("c:\\out\\guidep2.htm", "Printing & > more");
  run.page_list.add("c:\\out\\guidep3.htm", "Toner");
  run.context_map.add("guidep2.htm#IDH_PRINT#%");
  run.context_map.add("guidep3.htm#IDH_TONER#%");
  run.context_map.add("guidep3.htm#IDH_DEEP#");
  fuzz::put_file("out/guidep2.htm", fuzz::as_text(data, size));
  fuzz::put_file("out/guidep3.htm", "<HTML>\r\n<BODY>\r\n<P>Toner</P>\r\n</BODY>\r\n</HTML>\r\n");
  html::prepare_page_writing(run);
  html::write_topic_page(run, std::size_t{0});
  return 0;
}
