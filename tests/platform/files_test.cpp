#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/paths.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using platform::OpenMode;
using platform::OpenStatus;

class Files : public tw_test::Fixture {
 protected:
  // Every name in the root folder's tree, to see that no temporary is left.
  std::vector<std::string> tree() {
    std::vector<std::string> names;
    for (auto& e : fs::recursive_directory_iterator(root())) {
      names.push_back(fs::relative(e.path(), root()).string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(Files, WriteReadAppend) {
  ASSERT_TRUE(platform::write_file("c:\\a.txt", std::string("one\r\n\0two", 9)));
  EXPECT_EQ(tw_test::read_file(file("a.txt")), std::string("one\r\n\0two", 9));
  ASSERT_TRUE(platform::append_file("c:\\A.TXT", "!"));
  EXPECT_EQ(platform::read_file("c:\\a.txt"), std::string("one\r\n\0two!", 10));
  ASSERT_TRUE(platform::append_file("c:\\new.log", "x"));
  EXPECT_EQ(tw_test::read_file(file("new.log")), "x");
  EXPECT_FALSE(platform::read_file("c:\\missing.txt").has_value());
  EXPECT_FALSE(platform::write_file("c:\\no\\folder\\a.txt", "x"));
}

TEST_F(Files, RewriteReplacesContentAndKeepsMode) {
  tw_test::write_file(file("run.sh"), "old old old");
  ::chmod(file("run.sh").c_str(), 0751);
  ASSERT_TRUE(platform::write_file("c:\\RUN.SH", "new"));
  EXPECT_EQ(tw_test::read_file(file("run.sh")), "new");
  struct stat st;
  ASSERT_EQ(::stat(file("run.sh").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0751u);
  EXPECT_EQ(tree(), (std::vector<std::string>{"run.sh"}));
}

TEST_F(Files, RewriteThroughASymbolicLinkKeepsTheLink) {
  tw_test::write_file(file("real.ini"), "old");
  fs::create_symlink(file("real.ini"), file("link.ini"));
  ASSERT_TRUE(platform::write_file("c:\\link.ini", "new"));
  EXPECT_TRUE(fs::is_symlink(file("link.ini")));
  EXPECT_EQ(tw_test::read_file(file("real.ini")), "new");
}

TEST_F(Files, FailedRewriteKeepsTheOldContent) {
  // A file size limit makes the write of the new content fail half-way.
  tw_test::write_file(file("data.twz"), "precious");
  int code = tw_test::with_file_size_limit(4, [&] {
    return platform::write_file(file("data.twz"), std::string(100, 'x')) ? 1 : 0;
  });
  EXPECT_EQ(code, 0) << "the write should have failed";
  EXPECT_EQ(tw_test::read_file(file("data.twz")), "precious");
  EXPECT_EQ(tree(), (std::vector<std::string>{"data.twz"}));
}

TEST_F(Files, RewriteOfAFolderFails) {
  fs::create_directories(file("dir"));
  EXPECT_FALSE(platform::write_file("c:\\dir", "x"));
  EXPECT_TRUE(fs::is_directory(file("dir")));
}

TEST_F(Files, ExistsSizeTime) {
  tw_test::write_file(file("Proj/Sample.HPJ"), "12345");
  fs::create_directories(file("Proj/Sub"));
  EXPECT_TRUE(platform::file_exists("c:\\proj\\sample.hpj"));
  EXPECT_FALSE(platform::file_exists("c:\\proj\\sub"));
  EXPECT_TRUE(platform::directory_exists("c:\\PROJ\\SUB"));
  EXPECT_FALSE(platform::directory_exists("c:\\proj\\sample.hpj"));
  EXPECT_EQ(platform::file_size("c:\\proj\\sample.hpj"), 5u);
  EXPECT_FALSE(platform::file_size("c:\\proj\\none").has_value());
  auto mtime = platform::file_mtime("c:\\proj\\sample.hpj");
  ASSERT_TRUE(mtime.has_value());
  EXPECT_NEAR(static_cast<double>(*mtime), static_cast<double>(time(nullptr)), 60.0);
}

TEST_F(Files, RemoveRenameCopy) {
  tw_test::write_file(file("a.rtf"), "A");
  tw_test::write_file(file("b.rtf"), "B");
  EXPECT_FALSE(platform::rename_file("c:\\a.rtf", "c:\\B.RTF"));  // target exists
  EXPECT_TRUE(platform::rename_file("c:\\A.RTF", "c:\\c.rtf"));
  EXPECT_EQ(tw_test::read_file(file("c.rtf")), "A");
  EXPECT_TRUE(platform::rename_file("c:\\c.rtf", "c:\\C.RTF"));  // a change of case
  EXPECT_EQ(tw_test::read_file(file("C.RTF")), "A");
  EXPECT_FALSE(platform::rename_file("c:\\none", "c:\\x"));
  EXPECT_TRUE(platform::copy_file("c:\\c.rtf", "c:\\b.rtf"));  // overwrites
  EXPECT_EQ(tw_test::read_file(file("b.rtf")), "A");
  EXPECT_TRUE(platform::copy_file("c:\\b.rtf", "c:\\d.rtf"));
  EXPECT_EQ(tw_test::read_file(file("d.rtf")), "A");
  EXPECT_FALSE(platform::copy_file("c:\\none", "c:\\e.rtf"));
  EXPECT_TRUE(platform::remove_file("c:\\D.rtf"));
  EXPECT_FALSE(platform::remove_file("c:\\d.rtf"));
  EXPECT_EQ(tree(), (std::vector<std::string>{"C.RTF", "b.rtf"}));
}

TEST_F(Files, FoldersCreateAndRemove) {
  fs::create_directories(file("Out"));
  EXPECT_TRUE(platform::create_directories("c:\\OUT\\html\\img"));
  EXPECT_TRUE(fs::is_directory(file("Out/html/img")));
  EXPECT_TRUE(platform::create_directories("c:\\out\\html"));
  tw_test::write_file(file("Out/html/img/a.gif"), "x");
  EXPECT_TRUE(platform::remove_directory_tree("c:\\out\\HTML"));
  EXPECT_FALSE(tw_test::exists(file("Out/html")));
  EXPECT_FALSE(platform::remove_directory_tree("c:\\out\\html"));
  EXPECT_FALSE(platform::remove_file("c:\\out"));
}

TEST_F(Files, FindFilesWithWildcards) {
  for (auto name : {"Intro.RTF", "a.rtf", "b.rtfx", "notes.txt", "README", "x1.rtf", "x22.rtf"}) {
    tw_test::write_file(file(std::string("proj/") + name), "x");
  }
  fs::create_directories(file("proj/dir.rtf"));
  using Names = std::vector<std::string>;
  EXPECT_EQ(platform::find_files("c:\\PROJ\\*.rtf"), (Names{"a.rtf", "Intro.RTF", "x1.rtf", "x22.rtf"}));
  EXPECT_EQ(platform::find_files("c:\\proj\\x?.RTF"), (Names{"x1.rtf"}));
  EXPECT_EQ(platform::find_files("c:\\proj\\*.*").size(), 7u);
  EXPECT_EQ(platform::find_files("c:\\proj\\readme.*"), (Names{"README"}));
  EXPECT_EQ(platform::find_files("c:\\proj\\*."), (Names{"README"}));
  EXPECT_EQ(platform::find_files("c:\\proj\\INTRO.rtf"), (Names{"Intro.RTF"}));
  EXPECT_EQ(platform::find_files("c:\\proj\\*rtf*"), (Names{"a.rtf", "b.rtfx", "Intro.RTF", "x1.rtf", "x22.rtf"}));
  EXPECT_TRUE(platform::find_files("c:\\missing\\*.rtf").empty());
  platform::set_current_directory("proj");
  EXPECT_EQ(platform::find_files("*.TXT"), (Names{"notes.txt"}));
}

TEST_F(Files, FindFilesWithTimesGivesEachFilesModificationTime) {
  tw_test::write_file(file("out/b.htm"), "x");
  tw_test::write_file(file("out/A.htm"), "x");
  fs::create_directories(file("out/dir.htm"));
  const auto old_time = fs::last_write_time(file("out/b.htm")) - std::chrono::hours(48);
  fs::last_write_time(file("out/b.htm"), old_time);
  auto found = platform::find_files_with_times("c:\\OUT\\*.htm");
  ASSERT_EQ(found.size(), 2u);  // not the folder
  EXPECT_EQ(found[0].name, "A.htm");
  EXPECT_EQ(found[1].name, "b.htm");
  EXPECT_EQ(found[0].modified, *platform::file_mtime("c:\\out\\a.htm"));
  EXPECT_EQ(found[1].modified, *platform::file_mtime("c:\\out\\b.htm"));
  EXPECT_LT(found[1].modified + 47 * 3600, found[0].modified);
}

TEST_F(Files, ExclusiveOpenReportsASharingViolation) {
  tw_test::write_file(file("Data.twz"), "content");
  OpenStatus status;
  auto held = platform::ExclusiveFile::open("c:\\data.twz", OpenMode::read, status);
  ASSERT_EQ(status, OpenStatus::ok);
  ASSERT_TRUE(held);
  EXPECT_EQ(held->read_all(), "content");
  EXPECT_TRUE(platform::is_locked_by_other("c:\\DATA.TWZ"));

  auto second = platform::ExclusiveFile::open("c:\\data.twz", OpenMode::read_write, status);
  EXPECT_EQ(status, OpenStatus::sharing_violation);
  EXPECT_FALSE(second);
  // Our own writers report the conflict instead of clobbering the file.
  EXPECT_FALSE(platform::write_file("c:\\data.twz", "clobbered"));
  EXPECT_FALSE(platform::append_file("c:\\data.twz", "more"));
  EXPECT_FALSE(platform::remove_file("c:\\data.twz"));
  EXPECT_FALSE(platform::rename_file("c:\\data.twz", "c:\\other.twz"));
  EXPECT_EQ(tw_test::read_file(file("Data.twz")), "content");

  held.reset();
  EXPECT_FALSE(platform::is_locked_by_other("c:\\data.twz"));
  EXPECT_TRUE(platform::write_file("c:\\data.twz", "new"));
  EXPECT_EQ(tw_test::read_file(file("Data.twz")), "new");
}

TEST_F(Files, ExclusiveOpenModes) {
  OpenStatus status;
  EXPECT_FALSE(platform::ExclusiveFile::open("c:\\none", OpenMode::read, status));
  EXPECT_EQ(status, OpenStatus::not_found);
  EXPECT_FALSE(platform::ExclusiveFile::open("c:\\none", OpenMode::read_write, status));
  EXPECT_EQ(status, OpenStatus::not_found);
  EXPECT_FALSE(platform::ExclusiveFile::open("c:\\no\\dir\\x", OpenMode::write_truncate, status));
  EXPECT_EQ(status, OpenStatus::not_found);
  fs::create_directories(file("dir"));
  EXPECT_FALSE(platform::ExclusiveFile::open("c:\\dir", OpenMode::read, status));
  EXPECT_EQ(status, OpenStatus::failed);

  {
    auto f = platform::ExclusiveFile::open("c:\\log.txt", OpenMode::write_truncate, status);
    ASSERT_TRUE(f);
    EXPECT_TRUE(f->write("first line\n"));
  }
  {
    auto f = platform::ExclusiveFile::open("c:\\LOG.TXT", OpenMode::append, status);
    ASSERT_TRUE(f);
    EXPECT_TRUE(f->write("second\n"));
  }
  EXPECT_EQ(tw_test::read_file(file("log.txt")), "first line\nsecond\n");
  {
    auto f = platform::ExclusiveFile::open("c:\\log.txt", OpenMode::read_write, status);
    ASSERT_TRUE(f);
    EXPECT_TRUE(f->write("FIRST"));
    EXPECT_EQ(f->read_all(), "FIRST line\nsecond\n");
    // Replacing the content in place leaves nothing of the longer old one.
    EXPECT_TRUE(f->replace_all("short\n"));
    EXPECT_EQ(f->read_all(), "short\n");
  }
  EXPECT_EQ(tw_test::read_file(file("log.txt")), "short\n");
  {
    auto f = platform::ExclusiveFile::open("c:\\log.txt", OpenMode::write_truncate, status);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->read_all(), std::nullopt);  // opened for writing only
  }
  EXPECT_EQ(tw_test::read_file(file("log.txt")), "");
}

TEST_F(Files, ATruncatingOpenOfALockedFileLeavesItAlone) {
  tw_test::write_file(file("x.txt"), "keep");
  OpenStatus status;
  auto held = platform::ExclusiveFile::open("c:\\x.txt", OpenMode::append, status);
  ASSERT_TRUE(held);
  EXPECT_FALSE(platform::ExclusiveFile::open("c:\\x.txt", OpenMode::write_truncate, status));
  EXPECT_EQ(status, OpenStatus::sharing_violation);
  EXPECT_EQ(tw_test::read_file(file("x.txt")), "keep");
}

}  // namespace
