// A conversion run set up as after the page splitter: pages in c:\out, their
// titles in the page list and their anchors in the context map.
#pragma once
#include <string>
#include <string_view>

#include "html/driver/conversion_run.h"
#include "support/test_support.h"

namespace html {

class PublishFixture : public tw_test::Fixture {
 protected:
  void SetUp() override {
    tw_test::Fixture::SetUp();
    run.settings.location.project_file = "c:\\out\\guide.lfc";
    run.settings.derived.output_directory = "c:\\out";
    run.settings.derived.index_page_name = "lfcindx.htm";
    run.settings.derived.toc_page_name = "twztoc.htm";
    run.settings.derived.frame_page_name = "twzfrm.htm";
    run.project.hpj_path = "c:\\help\\guide.hpj";
  }
  wizard::PageSettings& s() { return run.settings.project.settings; }
  // Adds a page to the list and writes it with the splitter's head.
  void page(std::string_view name, std::string_view title, std::string_view body) {
    run.page_list.add("c:\\out\\" + std::string(name), title);
    tw_test::write_file(file("out/" + std::string(name)),
                        "<HTML>\r\n<HEAD>\r\n<TITLE>x</TITLE>\r\n\r\n"
                        "<META NAME=\"GENERATOR\" CONTENT=\"Quorvane Tarvenwick 3.0\">\r\n"
                        "</HEAD>\r\n<BODY>\r\n" +
                            std::string(body) + "</BODY>\r\n</HTML>\r\n");
  }
  std::string out(std::string_view name) {
    return tw_test::read_file(file("out/" + std::string(name)));
  }
  ConversionRun run;
};

}  // namespace html
