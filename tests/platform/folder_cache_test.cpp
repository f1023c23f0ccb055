// The kept folder listings behind case-insensitive path resolution: names
// must resolve as if the folder were read every time, whoever changed it,
// while our own changes do not make the folder be read again.
#include "platform/folder_cache.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using platform::internal::folder_reads;

class FolderCache : public tw_test::Fixture {
 protected:
  void SetUp() override {
    Fixture::SetUp();
    fs::create_directories(file("dir"));
    platform::internal::forget_folder_listings();
  }
  // Resolves a name of c:\dir given in another case; the host name it finds.
  std::string resolve(std::string_view name) {
    std::string host = platform::to_host_path("c:\\dir\\" + std::string(name));
    return host.substr(host.rfind('/') + 1);
  }
  // Has the listing of c:\dir read and kept.
  void keep_listing() { resolve("no-such-entry"); }
};

TEST_F(FolderCache, ManyNewFilesReadTheFolderOnce) {
  keep_listing();
  std::size_t reads = folder_reads();
  for (int i = 0; i < 300; ++i) {
    std::string name = "c:\\dir\\page" + std::to_string(i) + ".htm";
    ASSERT_TRUE(platform::write_file(name, "x"));
    ASSERT_TRUE(platform::file_exists(name));
  }
  EXPECT_EQ(folder_reads(), reads);
  EXPECT_EQ(resolve("PAGE299.HTM"), "page299.htm");
  EXPECT_EQ(std::distance(fs::directory_iterator(file("dir")), fs::directory_iterator()), 300);
}

TEST_F(FolderCache, EntriesMadeOrRemovedByOthersAreSeen) {
  tw_test::write_file(file("dir/Old.txt"), "old");
  EXPECT_EQ(resolve("OLD.TXT"), "Old.txt");
  // Made and removed behind the platform's back, right after the listing was kept.
  tw_test::write_file(file("dir/Outside.TXT"), "outside");
  fs::remove(file("dir/Old.txt"));
  EXPECT_EQ(resolve("outside.txt"), "Outside.TXT");
  EXPECT_EQ(platform::read_file("c:\\dir\\OUTSIDE.txt"), "outside");
  EXPECT_EQ(resolve("OLD.TXT"), "OLD.TXT");
  EXPECT_FALSE(platform::file_exists("c:\\dir\\old.txt"));
  // Writing a case variant of a file made outside replaces it, not a second file.
  ASSERT_TRUE(platform::write_file("c:\\dir\\outside.txt", "new"));
  EXPECT_EQ(tw_test::read_file(file("dir/Outside.TXT")), "new");
  EXPECT_FALSE(tw_test::exists(file("dir/outside.txt")));
  // A folder replaced by another of the same name.
  fs::rename(file("dir"), file("gone"));
  tw_test::write_file(file("dir/Second.txt"), "2");
  EXPECT_EQ(resolve("outside.txt"), "outside.txt");
  EXPECT_EQ(resolve("SECOND.TXT"), "Second.txt");
}

TEST_F(FolderCache, CaseVariantsResolveToTheFirstInByteOrder) {
  tw_test::write_file(file("dir/b.txt"), "b");
  tw_test::write_file(file("dir/B.TXT"), "B");
  EXPECT_EQ(resolve("b.Txt"), "B.TXT");
  ASSERT_TRUE(platform::remove_file("c:\\dir\\B.TXT"));
  EXPECT_EQ(resolve("b.Txt"), "b.txt");
}

// Each of the platform's own ways of making an entry, given the entry's path.
struct Maker {
  const char* what;
  std::function<bool(const std::string&)> make;
};

TEST_F(FolderCache, OwnChangesKeepTheListingCurrent) {
  tw_test::write_file(file("source.txt"), "source");
  const std::vector<Maker> makers = {
      {"write_file", [](const std::string& p) { return platform::write_file(p, "x"); }},
      {"append_file", [](const std::string& p) { return platform::append_file(p, "x"); }},
      {"copy_file", [](const std::string& p) { return platform::copy_file("c:\\source.txt", p); }},
      {"create_directories", [](const std::string& p) { return platform::create_directories(p); }},
      {"profile write",
       [](const std::string& p) { return platform::write_profile_string("S", "k", "v", p); }},
      {"exclusive open",
       [](const std::string& p) {
         platform::OpenStatus status;
         return platform::ExclusiveFile::open(p, platform::OpenMode::write_truncate, status) != nullptr;
       }},
      {"file writer",
       [](const std::string& p) {
         platform::FileWriter out;
         return out.open(p) && out.write("x") && out.close();
       }},
      {"rename_file",
       [](const std::string& p) {
         return platform::write_file("c:\\dir\\moving.tmp", "x") && platform::rename_file("c:\\dir\\moving.tmp", p);
       }},
  };
  for (const Maker& maker : makers) {
    SCOPED_TRACE(maker.what);
    keep_listing();
    std::size_t reads = folder_reads();
    std::string name = std::string("Made-") + maker.what;
    ASSERT_TRUE(maker.make("c:\\dir\\" + name));
    EXPECT_EQ(resolve("made-" + std::string(maker.what)), name);
    EXPECT_EQ(resolve("MOVING.TMP"), "MOVING.TMP");
    EXPECT_EQ(folder_reads(), reads);
  }
}

TEST_F(FolderCache, OwnRemovalsAndRenamesKeepTheListingCurrent) {
  tw_test::write_file(file("dir/Gone.txt"), "x");
  tw_test::write_file(file("dir/Moved.txt"), "x");
  tw_test::write_file(file("dir/Cased.txt"), "x");
  fs::create_directories(file("dir/Tree/sub"));
  fs::create_directories(file("other"));
  keep_listing();
  platform::to_host_path("c:\\other\\none");  // the rename's target folder is kept too
  std::size_t reads = folder_reads();
  ASSERT_TRUE(platform::remove_file("c:\\dir\\gone.txt"));
  ASSERT_TRUE(platform::rename_file("c:\\dir\\moved.txt", "c:\\other\\Moved.txt"));
  ASSERT_TRUE(platform::rename_file("c:\\dir\\cased.txt", "c:\\dir\\CASED.TXT"));
  ASSERT_TRUE(platform::remove_directory_tree("c:\\dir\\tree"));
  EXPECT_EQ(resolve("GONE.TXT"), "GONE.TXT");
  EXPECT_EQ(resolve("MOVED.TXT"), "MOVED.TXT");
  EXPECT_EQ(resolve("cased.txt"), "CASED.TXT");
  EXPECT_EQ(resolve("TREE"), "TREE");
  EXPECT_EQ(folder_reads(), reads);
}

TEST_F(FolderCache, KeepsABoundedNumberOfFolders) {
  for (std::size_t i = 0; i < platform::internal::kFolderListingLimit + 20; ++i) {
    std::string folder = "c:\\many\\f" + std::to_string(i);
    ASSERT_TRUE(platform::create_directories(folder));
    platform::to_host_path(folder + "\\missing.txt");
  }
  EXPECT_LE(platform::internal::kept_folder_listings(), platform::internal::kFolderListingLimit);
}

}  // namespace
