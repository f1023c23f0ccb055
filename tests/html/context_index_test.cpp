// The publication's context index: pages of context strings (with the
// anchor when a topic starts inside its page) and the [MAP] numbers, from
// the help project's own lines and the headers it includes.
#include <gtest/gtest.h>

#include "html/finishing/context_index.h"
#include "publish_fixture.h"

namespace html {
namespace {

class ContextIndex : public PublishFixture {};

TEST_F(ContextIndex, MapsNumbersAndPagesOfTheProject) {
  tw_test::write_file(file("help/guide.hpj"),
                      "[OPTIONS]\r\nTITLE=Guide\r\n[MAP]\r\nIDH_INTRO\t10 ; the first\r\nIDH_DEEP=0x14\r\n"
                      "#include guide.h\r\n; IDH_OLD 99\r\n[WINDOWS]\r\nmain=\"Guide\"\r\n");
  tw_test::write_file(file("help/guide.h"), "#define  IDH_TONER    30\n#define NOT_A_NUMBER x\n");
  page("intro.htm", "Intro", "a");
  page("toner.htm", "Toner", "b");
  run.context_map.add("c:\\out\\intro.htm#IDH_INTRO#%");
  run.context_map.add("c:\\out\\intro.htm#IDH_DEEP#");
  run.context_map.add("c:\\out\\toner.htm#IDH_TONER#%");
  ASSERT_TRUE(write_context_index(run));
  EXPECT_EQ(out("contexts.ini"),
            "[Topics]\r\nIDH_INTRO=intro.htm\r\nIDH_DEEP=intro.htm#IDH_DEEP\r\nIDH_TONER=toner.htm\r\n"
            "\r\n[Map]\r\n10=IDH_INTRO\r\n20=IDH_DEEP\r\n30=IDH_TONER\r\n"
            "\r\n[Publication]\r\nstart=twztoc.htm\r\n");
}

// Keywords lead to the page of their first entry in index order; a keyword
// met again in another case, or one an INI key cannot hold, adds nothing.
TEST_F(ContextIndex, KeywordsNameThePageOfTheirFirstEntry) {
  tw_test::write_file(file("help/guide.hpj"), "[OPTIONS]\r\nTITLE=Guide\r\n");
  page("intro.htm", "Intro", "a");
  run.context_map.add("c:\\out\\intro.htm#IDH_INTRO#%");
  run.publish.keyword_lines = keywords_section({{"JI", "macros.htm#IX_1"},     {"JumpId", "macros.htm#IX_2"},
                                                {"ji", "other.htm#IX_9"},      {"a=b", "x.htm#IX_3"},
                                                {"[odd", "x.htm#IX_4"},
                                                {"printing:setup", "c:\\out\\print.htm#IX_5"}});
  ASSERT_TRUE(write_context_index(run));
  EXPECT_EQ(out("contexts.ini"),
            "[Topics]\r\nIDH_INTRO=intro.htm\r\n\r\n[Map]\r\n"
            "\r\n[Keywords]\r\nJI=macros.htm#IX_1\r\nJumpId=macros.htm#IX_2\r\nprinting:setup=print.htm#IX_5\r\n"
            "\r\n[Publication]\r\nstart=intro.htm\r\n");
}

TEST_F(ContextIndex, MapLinesThatAreNoEntriesAreSkipped) {
  auto entries = parse_map_lines({"", "; comment", "#include x.h", "IDH_A", "IDH_B 12abc", "IDH_C -4",
                                  "= 5", "IDH_D 7", "#define IDH_E 8 // note"});
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].context, "IDH_D");
  EXPECT_EQ(entries[0].number, 7);
  EXPECT_EQ(entries[1].context, "IDH_E");
  EXPECT_EQ(entries[1].number, 8);
}

}  // namespace
}  // namespace html
