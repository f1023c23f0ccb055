// Files replaced whole: kept permissions and links, conditional writes,
// batches of profile keys, and rewrites killed at random moments.
#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "platform/files.h"
#include "platform/profile.h"
#include "support/kill_rounds.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

class AtomicWrite : public tw_test::Fixture {
 protected:
  std::set<std::string> folder_names(const std::string& relative) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(file(relative))) names.insert(e.path().filename());
    return names;
  }
};

TEST_F(AtomicWrite, KeepsPermissionsAndWritesThroughALink) {
  tw_test::write_file(file("proj/real.hpj"), "old");
  ::chmod(file("proj/real.hpj").c_str(), 0640);
  fs::create_symlink("real.hpj", file("proj/help.hpj"));

  ASSERT_TRUE(platform::write_file("c:\\proj\\help.hpj", "new"));
  EXPECT_TRUE(fs::is_symlink(file("proj/help.hpj")));
  EXPECT_EQ(tw_test::read_file(file("proj/real.hpj")), "new");
  EXPECT_EQ(fs::status(file("proj/real.hpj")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(folder_names("proj"), (std::set<std::string>{"help.hpj", "real.hpj"}));
}

// A file that did not exist is written in place; it counts as our own write
// and is rewritten whole from then on.
TEST_F(AtomicWrite, NewFileIsCreatedInPlaceAndKnownAsOurs) {
  tw_test::write_file(file("proj/other.txt"), "other");
  ASSERT_TRUE(platform::write_file("c:\\proj\\new.hpj", "first"));
  EXPECT_EQ(tw_test::read_file(file("proj/new.hpj")), "first");
  EXPECT_EQ(folder_names("proj"), (std::set<std::string>{"new.hpj", "other.txt"}));
  EXPECT_TRUE(platform::changed_only_here("c:\\proj\\new.hpj", std::nullopt));

  std::optional<platform::FileStamp> stamp = platform::file_stamp("c:\\proj\\new.hpj");
  ASSERT_EQ(platform::write_file_if("c:\\proj\\new.hpj", "second",
                                    [&](const std::optional<platform::FileStamp>& on_disk) { return on_disk == stamp; }),
            platform::WriteStatus::written);
  EXPECT_EQ(tw_test::read_file(file("proj/new.hpj")), "second");
  EXPECT_EQ(folder_names("proj"), (std::set<std::string>{"new.hpj", "other.txt"}));
}

TEST_F(AtomicWrite, ConditionalWriteLeavesAChangedFileAlone) {
  ASSERT_TRUE(platform::write_file("c:\\p.twz", "mine"));
  const auto mine = platform::file_stamp("c:\\p.twz");
  ASSERT_TRUE(mine);
  EXPECT_TRUE(platform::changed_only_here("c:\\p.twz", mine));
  auto same_as_mine = [&](const auto& on_disk) { return on_disk == mine; };

  std::optional<platform::FileStamp> written;
  EXPECT_EQ(platform::write_file_if("c:\\p.twz", "second", same_as_mine, &written),
            platform::WriteStatus::written);
  // Our own rewrites lead back to the version we had; another program's do not.
  EXPECT_TRUE(platform::changed_only_here("c:\\p.twz", mine));
  tw_test::write_file(file("p.twz"), "theirs");
  EXPECT_FALSE(platform::changed_only_here("c:\\p.twz", mine));
  EXPECT_FALSE(platform::changed_only_here("c:\\p.twz", written));
  EXPECT_EQ(platform::write_file_if("c:\\p.twz", "third", same_as_mine),
            platform::WriteStatus::changed_on_disk);
  EXPECT_EQ(tw_test::read_file(file("p.twz")), "theirs");
}

TEST_F(AtomicWrite, LeftoversOfAKilledWriterGoWithTheNextRewrite) {
  tw_test::write_file(file("a.opt"), "[Project]\r\n");
  // Process ids above the kernel's limit are never alive.
  tw_test::write_file(file(".a.opt.tw~99999999-3"), "half");
  tw_test::write_file(file(".b.opt.tw~99999999-3"), "another file's");
  ASSERT_TRUE(platform::write_profile_string("Project", "W95", "1", "c:\\a.opt"));
  EXPECT_FALSE(tw_test::exists(file(".a.opt.tw~99999999-3")));
  EXPECT_TRUE(tw_test::exists(file(".b.opt.tw~99999999-3")));
}

TEST_F(AtomicWrite, ABatchOfProfileKeysIsOneRewrite) {
  tw_test::write_file(file("w.lfc"), "[TWHTML]\r\nA=old\r\n");
  {
    platform::ProfileBatch batch("c:\\w.lfc");
    EXPECT_TRUE(platform::write_profile_string("TWHTML", "A", "new", "c:\\w.lfc"));
    EXPECT_TRUE(platform::write_profile_string("TWHTML", "B", "2", "c:\\w.lfc"));
    {
      platform::ProfileBatch inner("c:\\w.lfc");
      EXPECT_TRUE(platform::write_profile_string("Other", "C", "3", "c:\\w.lfc"));
      EXPECT_TRUE(inner.commit());
    }
    EXPECT_EQ(platform::get_profile_string("TWHTML", "A", "", 80, "c:\\w.lfc"), "new");
    EXPECT_EQ(tw_test::read_file(file("w.lfc")), "[TWHTML]\r\nA=old\r\n");
    EXPECT_TRUE(batch.commit());
  }
  EXPECT_EQ(tw_test::read_file(file("w.lfc")), "[TWHTML]\r\nA=new\r\nB=2\r\n[Other]\r\nC=3\r\n");
}

// A rewrite killed at any moment leaves the old or the new file, whole.
TEST_F(AtomicWrite, KilledRewritesLeaveOldOrNewWhole) {
  const std::string versions[2] = {std::string(300000, 'a'), std::string(200000, 'b')};
  tw_test::write_file(file("data.twz"), versions[0]);
  const auto names_before = folder_names("");
  int rounds = tw_test::kill_rounds(
      40, std::chrono::milliseconds(15), std::chrono::seconds(4),
      [&](int) {
        for (int i = 0;; ++i) platform::write_file("c:\\data.twz", versions[i % 2]);
      },
      [&](int) {
        std::string now = tw_test::read_file(file("data.twz"));
        ASSERT_TRUE(now == versions[0] || now == versions[1]) << "size " << now.size();
      });
  EXPECT_GT(rounds, 5);
  ASSERT_TRUE(platform::write_file("c:\\data.twz", versions[0]));
  EXPECT_EQ(folder_names(""), names_before);
}

}  // namespace
