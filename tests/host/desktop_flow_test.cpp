// The authoring window's documents: the project's topic files it offers, and
// the current one handed to the desktop's word processor.
#include "host/desktop_flow.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace {

using Files = std::vector<std::string>;

class DesktopDocuments : public tw_test::Fixture {};

TEST_F(DesktopDocuments, TopicFilesComeFromTheFilesSectionBesideTheProject) {
  // As a project editor writes it: CR LF, a section name in odd case, a
  // comment, a sub-folder with a backslash, a trailing comment.
  tw_test::write_file(file("help/guide.hpj"),
                      "[OPTIONS]\r\nTITLE=Guide\r\n\r\n[Files]\r\n; the chapters\r\nintro.rtf\r\n"
                      "topics\\using.rtf ; second\r\n\r\n[CONFIG]\r\nBrowseButtons()\r\n");
  EXPECT_EQ(host::project_topic_files(file("help/guide.hpj")),
            (Files{file("help/intro.rtf"), file("help/topics/using.rtf")}));
  EXPECT_EQ(host::project_topic_files(file("help/missing.hpj")), Files{});
  EXPECT_EQ(host::project_topic_files(""), Files{});
}

TEST_F(DesktopDocuments, TheWordProcessorGetsTheDocumentOrTheLogSaysWhyNot) {
  tw_test::write_file(file("help/My Intro.rtf"), "{\\rtf1\\ansi hello\\par}");
  ASSERT_TRUE(platform::write_profile_string("Platform", "opener", "/bin/true", "win.ini"));
  EXPECT_EQ(host::open_in_word_processor(file("help/My Intro.rtf")), "opened " + file("help/My Intro.rtf") + "\n");
  ASSERT_EQ(ui().transcript().size(), 1u);
  EXPECT_EQ(ui().transcript()[0], "exec \"/bin/true \"" + file("help/My Intro.rtf") + "\"\" show=1 -> 33");
  const std::string said = host::open_in_word_processor(file("help/gone.rtf"));
  EXPECT_EQ(said.rfind("Cannot open ", 0), 0u) << said;
  EXPECT_EQ(ui().transcript().size(), 1u);  // nothing started for a missing file
}

}  // namespace
