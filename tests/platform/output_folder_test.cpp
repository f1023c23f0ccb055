// The output folder: links found there are replaced by every kind of write
// and never written through; elsewhere a link still stands for its file.
#include "platform/output_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

class OutputFolder : public tw_test::Fixture {
 protected:
  void TearDown() override {
    platform::set_output_folder("");
    Fixture::TearDown();
  }
  // out/NAME as a link to victims/NAME, which holds "victim".
  void plant(const std::string& name) {
    tw_test::write_file(file("victims/" + name), "victim");
    fs::create_directories(file("out"));
    fs::create_symlink(file("victims/" + name), file("out/" + name));
  }
};

TEST_F(OutputFolder, EveryWriterReplacesALinkThere) {
  platform::set_output_folder("c:\\out");
  for (const char* name : {"whole.htm", "stream.htm", "copy.gif", "nested.htm"}) plant(name);
  tw_test::write_file(file("source.gif"), "GIF89a");
  EXPECT_TRUE(platform::write_file("c:\\out\\whole.htm", "page", platform::Durability::unflushed));
  platform::FileWriter stream;
  ASSERT_TRUE(stream.open("c:\\out\\stream.htm"));
  EXPECT_TRUE(stream.write("streamed"));
  EXPECT_TRUE(stream.close());
  EXPECT_TRUE(platform::copy_file("c:\\source.gif", "c:\\out\\copy.gif"));
  // Appending to or rewriting a link in place fails rather than reach outside.
  EXPECT_FALSE(platform::append_file("c:\\out\\nested.htm", "more"));
  platform::OpenStatus status;
  EXPECT_EQ(platform::ExclusiveFile::open("c:\\out\\nested.htm", platform::OpenMode::read_write, status),
            nullptr);

  for (const char* name : {"whole.htm", "stream.htm", "copy.gif", "nested.htm"})
    EXPECT_EQ(tw_test::read_file(file(std::string("victims/") + name)), "victim") << name;
  EXPECT_EQ(tw_test::read_file(file("out/whole.htm")), "page");
  EXPECT_EQ(tw_test::read_file(file("out/stream.htm")), "streamed");
  EXPECT_EQ(tw_test::read_file(file("out/copy.gif")), "GIF89a");
  EXPECT_FALSE(fs::is_symlink(file("out/whole.htm")));
}

TEST_F(OutputFolder, ALinkOutsideItStillStandsForItsFile) {
  platform::set_output_folder("c:\\out");
  tw_test::write_file(file("victims/settings.ini"), "old");
  fs::create_directories(file("elsewhere"));
  fs::create_symlink(file("victims/settings.ini"), file("elsewhere/settings.ini"));
  EXPECT_TRUE(platform::write_file("c:\\elsewhere\\settings.ini", "new"));
  EXPECT_TRUE(fs::is_symlink(file("elsewhere/settings.ini")));
  EXPECT_EQ(tw_test::read_file(file("victims/settings.ini")), "new");
}

TEST(PathWithin, DotsAndLinksAreResolvedFirst) {
  tw_test::TempDir dir;
  fs::create_directories(dir.file("proj/sub"));
  fs::create_directories(dir.file("other"));
  fs::create_symlink(dir.file("other"), dir.file("proj/away"));
  const std::string proj = dir.file("proj");
  EXPECT_TRUE(platform::is_within(proj, dir.file("proj/sub/a.rtf")));
  EXPECT_TRUE(platform::is_within(proj, dir.file("proj/new/../a.rtf")));
  EXPECT_FALSE(platform::is_within(proj, dir.file("proj/../other/a.rtf")));
  EXPECT_FALSE(platform::is_within(proj, dir.file("proj/away/a.rtf")));
  EXPECT_FALSE(platform::is_within(proj, dir.file("projection/a.rtf")));
  EXPECT_FALSE(platform::is_within(proj, "/etc/passwd"));
}

}  // namespace
