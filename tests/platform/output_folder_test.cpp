// The output folder: links found there are replaced by every kind of write
// and never written through; elsewhere a link still stands for its file.
#include "platform/output_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/folder_cache.h"
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

// A run trusts its own listing of the output folder for the pages it makes;
// what others do there between runs must still be seen.
class OutputRun : public OutputFolder {
 protected:
  void SetUp() override {
    OutputFolder::SetUp();
    fs::create_directories(file("out"));
    platform::internal::forget_folder_listings();
  }
  static bool make_page(const std::string& path, std::string_view text) {
    platform::FileWriter page;
    return page.open(path) && page.write(text) && page.close();
  }
  std::size_t entries() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(file("out")), fs::directory_iterator()));
  }
};

TEST_F(OutputRun, PagesOfARunReadTheFolderOnceAndStayFindable) {
  tw_test::write_file(file("out/Old.htm"), "old");
  platform::set_output_folder("c:\\out");
  const std::size_t reads = platform::internal::folder_reads();
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(make_page("c:\\out\\page" + std::to_string(i) + ".htm", "p" + std::to_string(i)));
  }
  // A page named in another case than one already there goes into that file.
  ASSERT_TRUE(make_page("c:\\out\\OLD.HTM", "new"));
  EXPECT_LE(platform::internal::folder_reads(), reads + 1);
  EXPECT_EQ(entries(), 201u);
  EXPECT_EQ(tw_test::read_file(file("out/Old.htm")), "new");
  EXPECT_EQ(platform::read_file("c:\\out\\PAGE199.HTM"), "p199");
  EXPECT_EQ(platform::to_host_path("c:\\out\\Page7.htm"), file("out/page7.htm"));
}

TEST_F(OutputRun, ANameMadeByAnotherProcessDuringTheRunIsWrittenIntoNotBeside) {
  platform::set_output_folder("c:\\out");
  ASSERT_TRUE(make_page("c:\\out\\first.htm", "1"));
  // Made behind the platform's back after the run checked its listing.
  tw_test::write_file(file("out/late.htm"), "someone else's");
  tw_test::write_file(file("out/Later.HTM"), "another");
  EXPECT_TRUE(platform::file_exists("c:\\out\\late.htm"));
  ASSERT_TRUE(make_page("c:\\out\\late.htm", "ours"));
  EXPECT_EQ(tw_test::read_file(file("out/late.htm")), "ours");
  // The refused create dropped the listing: the folder's other news shows too.
  EXPECT_EQ(platform::to_host_path("c:\\out\\later.htm"), file("out/Later.HTM"));
  EXPECT_EQ(entries(), 3u);
}

TEST_F(OutputRun, AFileRemovedBehindTheListingIsNotPresent) {
  platform::set_output_folder("c:\\out");
  ASSERT_TRUE(make_page("c:\\out\\gone.htm", "x"));
  fs::remove(file("out/gone.htm"));
  EXPECT_FALSE(platform::file_exists("c:\\out\\gone.htm"));
  EXPECT_EQ(platform::read_file("c:\\out\\gone.htm"), std::nullopt);
  platform::OpenStatus status;
  EXPECT_EQ(platform::ExclusiveFile::open("c:\\out\\gone.htm", platform::OpenMode::read, status), nullptr);
  EXPECT_EQ(status, platform::OpenStatus::not_found);
  // Made again, it is one file.
  ASSERT_TRUE(make_page("c:\\out\\gone.htm", "again"));
  EXPECT_EQ(tw_test::read_file(file("out/gone.htm")), "again");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(OutputRun, ChangesMadeBetweenRunsAreSeenByTheNextRun) {
  platform::set_output_folder("c:\\out");
  ASSERT_TRUE(make_page("c:\\out\\kept.htm", "1"));
  ASSERT_TRUE(make_page("c:\\out\\removed.htm", "2"));
  platform::set_output_folder("");
  // Another process between the runs.
  tw_test::write_file(file("out/Added.HTM"), "theirs");
  fs::remove(file("out/removed.htm"));

  platform::set_output_folder("c:\\out");
  EXPECT_EQ(platform::to_host_path("c:\\out\\added.htm"), file("out/Added.HTM"));
  EXPECT_FALSE(platform::file_exists("c:\\out\\removed.htm"));
  ASSERT_TRUE(make_page("c:\\out\\ADDED.htm", "ours"));
  EXPECT_EQ(tw_test::read_file(file("out/Added.HTM")), "ours");
  ASSERT_TRUE(make_page("c:\\out\\removed.htm", "back"));
  EXPECT_EQ(entries(), 3u);
  // Lookups elsewhere never lean on the run's listing.
  fs::create_directories(file("elsewhere"));
  platform::to_host_path("c:\\elsewhere\\none");
  tw_test::write_file(file("elsewhere/Made.txt"), "m");
  EXPECT_EQ(platform::to_host_path("c:\\elsewhere\\MADE.TXT"), file("elsewhere/Made.txt"));
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
