// A file rewritten from a stream: the old file stays whole until the new
// one is committed, an abandoned or failed rewrite leaves nothing behind,
// and a commit keeps the old file's permissions and its link.
#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "platform/files.h"
#include "platform/replacing_file.h"
#include "platform/spool_file.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

class ReplacingFile : public tw_test::Fixture {
 protected:
  std::set<std::string> folder_names(const std::string& relative) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(file(relative))) names.insert(e.path().filename());
    return names;
  }
};

TEST_F(ReplacingFile, OldFileStaysWholeUntilCommitAndAbandonLeavesNothing) {
  tw_test::write_file(file("out/help.hlp"), "old help file");
  {
    platform::ReplacingFile help;
    ASSERT_TRUE(help.open("c:\\out\\help.hlp"));
    const std::string piece(100000, 'n');
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(help.write(piece));  // past the buffer
    EXPECT_EQ(tw_test::read_file(file("out/help.hlp")), "old help file");
    help.abandon();
    EXPECT_FALSE(help.write("more"));
    EXPECT_FALSE(help.commit());
  }
  EXPECT_EQ(tw_test::read_file(file("out/help.hlp")), "old help file");
  EXPECT_EQ(folder_names("out"), (std::set<std::string>{"help.hlp"}));

  {
    platform::ReplacingFile dropped;  // never committed: the same as abandoned
    ASSERT_TRUE(dropped.open("c:\\out\\help.hlp"));
    ASSERT_TRUE(dropped.write("half"));
  }
  EXPECT_EQ(folder_names("out"), (std::set<std::string>{"help.hlp"}));
  EXPECT_EQ(tw_test::read_file(file("out/help.hlp")), "old help file");
}

TEST_F(ReplacingFile, CommitReplacesThroughALinkKeepingPermissions) {
  tw_test::write_file(file("out/real.hlp"), "old");
  ::chmod(file("out/real.hlp").c_str(), 0640);
  fs::create_symlink("real.hlp", file("out/help.hlp"));
  platform::ReplacingFile help;
  ASSERT_TRUE(help.open("c:\\out\\help.hlp"));
  const std::string big(platform::ReplacingFile::kBufferBytes + 7, 'x');
  ASSERT_TRUE(help.write("head:"));
  ASSERT_TRUE(help.write(big));
  ASSERT_TRUE(help.commit());
  EXPECT_FALSE(help.is_open());
  EXPECT_TRUE(fs::is_symlink(file("out/help.hlp")));
  EXPECT_EQ(tw_test::read_file(file("out/real.hlp")), "head:" + big);
  EXPECT_EQ(fs::status(file("out/real.hlp")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(folder_names("out"), (std::set<std::string>{"help.hlp", "real.hlp"}));
}

TEST_F(ReplacingFile, ANewFileAppearsOnlyAtCommitAndAFolderIsNotReplaced) {
  fs::create_directories(file("out/sub.hlp"));
  platform::ReplacingFile help;
  ASSERT_TRUE(help.open("c:\\out\\new.hlp"));
  ASSERT_TRUE(help.write("content"));
  EXPECT_FALSE(fs::exists(file("out/new.hlp")));
  ASSERT_TRUE(help.commit());
  EXPECT_EQ(tw_test::read_file(file("out/new.hlp")), "content");

  ASSERT_TRUE(help.open("c:\\out\\sub.hlp"));
  ASSERT_TRUE(help.write("content"));
  EXPECT_FALSE(help.commit());
  EXPECT_TRUE(fs::is_directory(file("out/sub.hlp")));
  EXPECT_EQ(folder_names("out"), (std::set<std::string>{"new.hlp", "sub.hlp"}));
}

}  // namespace

namespace {

// The compiler's scratch file goes beside its output and leaves no name there.
TEST_F(ReplacingFile, ScratchFileInAFolderLeavesNoName) {
  std::filesystem::create_directories(file("out"));
  platform::SpoolFile spool;
  ASSERT_TRUE(spool.open_in("c:\\out"));
  ASSERT_TRUE(spool.append(std::string(300000, 's')));
  EXPECT_EQ(spool.read(299990, 10), std::string(10, 's'));
  EXPECT_TRUE(folder_names("out").empty());
}

}  // namespace
