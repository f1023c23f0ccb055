// The run's tables grow with the project: a publication larger than the old
// fixed tables (16,002 pages in 640,000 bytes, 32,010 context entries,
// 16,010 browse entries, 16,010 index entries, 200 translations, 1,002 topic
// files) loses nothing, and what cannot be published is reported.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "html/driver/conversion_run.h"
#include "html/driver/process_files.h"
#include "html/driver/publish_summary.h"
#include "html/splitter/translations.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace html {
namespace {

namespace fs = std::filesystem;

TEST(PageListRoom, KeepsEveryPageWithLongPathsInProcessingOrder) {
  const std::string folder = "c:\\" + std::string(120, 'o') + "\\" + std::string(120, 'u') + "\\";
  PageList pages;
  pages.add(folder + "big.htm", "Big");
  // As the splitter does: the first page replaces the file, the rest follow it.
  ASSERT_TRUE(pages.replace(0, folder + "bigp2.htm", "Topic 2"));
  for (int i = 3; i < 20002; ++i)
    pages.insert_after(static_cast<std::size_t>(i - 3), folder + "bigp" + std::to_string(i) + ".htm",
                       "Topic number " + std::to_string(i));
  pages.add(folder + "last.htm", "Last");
  ASSERT_EQ(pages.size(), 20001u);
  EXPECT_EQ(pages.at(0).path, folder + "bigp2.htm");
  EXPECT_EQ(pages.at(19999).title, "Topic number 20001");
  EXPECT_EQ(pages.at(20000).path, folder + "last.htm");
  EXPECT_TRUE(pages.has_name("BIGP20001.HTM"));
  EXPECT_FALSE(pages.has_name("big.htm"));
}

TEST(TranslationRoom, EveryTranslationUpToTheFirstEmptyValueIsRead) {
  tw_test::TempDir dir;
  std::string lfc = "[Translations]\r\n";
  for (int i = 0; i < 250; ++i)
    lfc += "t" + std::to_string(i) + "=Style " + std::to_string(i) + ">>>>Tags: <SPAN ID=s" +
           std::to_string(i) + ">...</SPAN>\r\n";
  tw_test::write_file(dir.file("conv.lfc"), lfc);
  std::vector<Translation> all = read_translations(dir.file("conv.lfc"));
  ASSERT_EQ(all.size(), 250u);
  EXPECT_EQ(all[249].opening, "<SPAN ID=s249>");
  EXPECT_EQ(all[249].closing, "</SPAN>");
}

// A project exported into a deep output folder, with more anchors, browse
// entries and keywords than the old tables held.
class LargeRun : public tw_test::Fixture {
 protected:
  static constexpr int kPages = 40;
  static constexpr int kAnchorsPerPage = 850;  // 34,000 context entries
  static constexpr int kBrowsePerPage = 420;   // 16,800 browse entries
  static constexpr int kKeywordsPerPage = 500; // 20,000 index entries

  const std::string folder = std::string(60, 'o') + "/" + std::string(60, 'u');
  std::string sys_folder() const {
    std::string f = "c:\\pub\\" + folder;
    std::replace(f.begin(), f.end(), '/', '\\');
    return f;
  }
  std::string out(const std::string& name) { return file("pub/" + folder + "/" + name); }

  void SetUp() override {
    tw_test::Fixture::SetUp();
    fs::create_directories(file("pub/" + folder));
    tw_test::write_file(file("windows/twzhtml.ini"),
                        "[Project]\r\nproj=" + sys_folder() + "\\guide.lfc\r\n");
    tw_test::write_file(file("help/guide.hpj"),
                        "[OPTIONS]\r\nCONTENTS=IDH_T0\r\n[FILES]\r\nbig.rtf\r\n");
    tw_test::write_file(out("big.htm"), exported_file());
  }
  void register_files(const std::string& html_section) {
    tw_test::write_file(out("guide.lfc"), "[TWHTML]\r\nhpj=c:\\help\\guide.hpj\r\ncnt_type=1\r\n"
                                          "[Settings]\r\nxref=1 0\r\n[HTML]\r\n" + html_section);
  }
  // The caller's export of one topic file, markers and all.
  static std::string exported_file() {
    std::string html = "<HTML>\r\n<HEAD>\r\n<TITLE>big</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
    for (int p = 0; p < kPages; ++p) {
      html += "<H1>~~~pg~Topic " + std::to_string(p) + "!~!!bIDH_T" + std::to_string(p) +
              "!Topic " + std::to_string(p) + "</H1>\r\n";
      html += "<P>See !!x the last anchor^#CTX_39_849#!#.</P>\r\n";
      for (int b = 0; b < kBrowsePerPage; ++b)
        html += "<P>!tzbrsmain:" + std::to_string(p * 1000 + b) + "!~</P>\r\n";
      for (int a = 0; a < kAnchorsPerPage; ++a)
        html += "<P>!!bCTX_" + std::to_string(p) + "_" + std::to_string(a) + "!Text</P>\r\n";
      for (int m = 0; m < kKeywordsPerPage / 100; ++m) {
        html += "<P>!tzky";
        for (int k = 0; k < 100; ++k)
          html += "kw_" + std::to_string(p) + "_" + std::to_string(m * 100 + k) + ";";
        html += "!~</P>\r\n";
      }
    }
    return html + "</BODY>\r\n</HTML>\r\n";
  }
  ConversionRun run;
};

TEST_F(LargeRun, NothingIsDroppedPastTheOldTables) {
  register_files("f0=" + sys_folder() + "\\big.htm>Big\r\n");
  ASSERT_EQ(process_files(run), 1);
  EXPECT_EQ(run.page_list.size(), static_cast<std::size_t>(kPages));
  EXPECT_EQ(run.context_map.entries().size(),
            static_cast<std::size_t>(kPages * (kAnchorsPerPage + 1)));
  EXPECT_EQ(run.browse_map.entries().size(), static_cast<std::size_t>(kPages * kBrowsePerPage));
  EXPECT_EQ(run.publish.counts.pages, kPages);
  EXPECT_EQ(run.publish.counts.index_entries, kPages * kKeywordsPerPage);
  EXPECT_EQ(run.publish.counts.unresolved_jumps, 0);
  // The jump to the last anchor of the last page resolves on every page.
  EXPECT_NE(tw_test::read_file(out("bigp2.htm")).find("<A HREF=\"bigp41.htm#CTX_39_849\">"),
            std::string::npos);
  std::string index = tw_test::read_file(out("lfcindx.htm"));
  EXPECT_NE(index.find(">kw_39_499</a>"), std::string::npos);
  EXPECT_NE(index.find(">kw_0_0</a>"), std::string::npos);
  EXPECT_NE(publish_summary(run).find("failed_files=0\nfailed_pages=0\n"), std::string::npos);
}

TEST_F(LargeRun, AFileThatCannotBeSplitIsCountedNotHidden) {
  register_files("f0=" + sys_folder() + "\\missing.htm>Missing\r\nf1=" + sys_folder() +
                 "\\big.htm>Big\r\n");
  ASSERT_EQ(process_files(run), 1);
  EXPECT_EQ(run.publish.counts.pages, kPages);
  EXPECT_EQ(run.publish.counts.failed_files, 1);
  // The missing file stays in the page list and cannot be written either.
  EXPECT_EQ(run.publish.counts.failed_pages, 1);
  EXPECT_NE(publish_summary(run).find("failed_files=1\nfailed_pages=1\n"), std::string::npos);
}

}  // namespace
}  // namespace html
