// A batch of profile edits must leave exactly the file the same edits leave
// when each is written on its own (each then reads the file anew), and reads
// inside the batch must answer as the file would. The batch keeps its places
// of sections and keys up to date edit by edit, so awkward files and names
// are what these tests feed it.
#include "platform/profile.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

using platform::Nullable;
using std::nullopt;

struct Edit {
  std::optional<std::string> section, key, value;
};

// Names that collide without case, a section repeated, keys before any
// section, comments, and values that turn their line into a header.
const char kStart[] =
    "k=top\r\n"
    "[One]\r\n"
    "a=1\r\n"
    "B = 2 \r\n"
    "[two]\r\n"
    "; note\r\n"
    "a=x\r\n"
    "\r\n"
    "[ONE]\r\n"
    "a=shadowed\r\n"
    "c=3";

const std::vector<std::string> kSections = {"One", "one", "TWO", "two", "three", "[x", ""};
const std::vector<std::string> kKeys = {"a", "A", "b", "c", "new", "x y", "k2", "[k", ";c"};
const std::vector<std::string> kValues = {"1", "v", "", " padded ", "\"q\"", "z]", "a=b"};

template <typename T>
const T& pick(std::mt19937& random, const std::vector<T>& from) {
  return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
}

std::vector<Edit> random_edits(std::mt19937& random, int count) {
  std::vector<Edit> edits;
  for (int i = 0; i < count; ++i) {
    Edit edit{pick(random, kSections), pick(random, kKeys), pick(random, kValues)};
    const int kind = std::uniform_int_distribution<int>(0, 9)(random);
    if (kind == 0) edit.key.reset();         // the section goes
    else if (kind == 1) edit.value.reset();  // the key goes
    edits.push_back(edit);
  }
  return edits;
}

Nullable view(const std::optional<std::string>& s) {
  return s ? Nullable(*s) : Nullable();
}

void apply(const Edit& edit, std::string_view file) {
  platform::write_profile_string(view(edit.section), view(edit.key), view(edit.value), file);
}

// The edit written on its own, the next one reading the file from scratch
// (the cache would hand it the profile this one edited).
void apply_alone(const Edit& edit, std::string_view file) {
  apply(edit, file);
  platform::write_profile_string(nullopt, nullopt, nullopt, file);
}

// Every value the tests look at, and the section and key lists.
std::string everything(std::string_view file) {
  std::string out;
  std::string list;
  platform::get_profile_string(nullopt, nullopt, "", list, 4096, file);
  out += list + "|";
  for (const std::string& section : kSections) {
    platform::get_profile_string(Nullable(section), nullopt, "-", list, 4096, file);
    out += list + "|";
    for (const std::string& key : kKeys)
      out += platform::get_profile_string(section, key, "-", 256, file) + "|";
  }
  return out;
}

class ProfileBatchEdits : public tw_test::Fixture {};

TEST_F(ProfileBatchEdits, ABatchWritesWhatSingleWritesWrite) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 150; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::vector<Edit> edits = random_edits(random, 20);
    tw_test::write_file(file("single.ini"), kStart);
    tw_test::write_file(file("batch.ini"), kStart);
    for (const Edit& edit : edits) apply_alone(edit, "c:\\single.ini");
    {
      platform::ProfileBatch batch("c:\\batch.ini");
      for (const Edit& edit : edits) apply(edit, "c:\\batch.ini");
      EXPECT_EQ(everything("c:\\batch.ini"), everything("c:\\single.ini"));
      ASSERT_TRUE(batch.commit());
    }
    EXPECT_EQ(tw_test::read_file(file("batch.ini")), tw_test::read_file(file("single.ini")));
  }
}

TEST_F(ProfileBatchEdits, ReadsInsideABatchFollowEachEdit) {
  std::mt19937 random(7);
  const std::vector<Edit> edits = random_edits(random, 40);
  tw_test::write_file(file("single.ini"), kStart);
  tw_test::write_file(file("batch.ini"), kStart);
  platform::ProfileBatch batch("c:\\batch.ini");
  for (std::size_t i = 0; i < edits.size(); ++i) {
    SCOPED_TRACE("edit " + std::to_string(i));
    apply_alone(edits[i], "c:\\single.ini");
    apply(edits[i], "c:\\batch.ini");
    ASSERT_EQ(everything("c:\\batch.ini"), everything("c:\\single.ini"));
  }
}

TEST_F(ProfileBatchEdits, KeysOfTheFirstOfRepeatedSectionsOnly) {
  tw_test::write_file(file("t.ini"), kStart);
  platform::ProfileBatch batch("c:\\t.ini");
  EXPECT_EQ(platform::get_profile_string("one", "c", "-", 80, "c:\\t.ini"), "-");
  EXPECT_TRUE(platform::write_profile_string("ONE", "c", "new", "c:\\t.ini"));
  EXPECT_TRUE(platform::write_profile_string("ONE", "a", "one", "c:\\t.ini"));
  EXPECT_EQ(platform::get_profile_string("one", "c", "-", 80, "c:\\t.ini"), "new");
  EXPECT_TRUE(platform::write_profile_string("One", nullopt, nullopt, "c:\\t.ini"));
  EXPECT_EQ(platform::get_profile_string("one", "a", "-", 80, "c:\\t.ini"), "-");
  EXPECT_TRUE(platform::write_profile_string("two", "b", "y", "c:\\t.ini"));
  EXPECT_TRUE(batch.commit());
  EXPECT_EQ(tw_test::read_file(file("t.ini")), "k=top\r\n[two]\r\n; note\r\na=x\r\nb=y\r\n\r\n");
}

TEST_F(ProfileBatchEdits, NewKeysInSectionsThatFollowEachOther) {
  tw_test::write_file(file("t.ini"), "[a]\r\nx=1\r\n[b]\r\ny=2\r\n[c]\r\n");
  {
    platform::ProfileBatch batch("c:\\t.ini");
    for (const char* section : {"a", "b", "c", "a", "b"})
      for (const char* key : {"k1", "k2"})
        EXPECT_TRUE(platform::write_profile_string(section, key, section, "c:\\t.ini"));
    EXPECT_TRUE(platform::write_profile_string("b", "k1", "again", "c:\\t.ini"));
  }
  EXPECT_EQ(tw_test::read_file(file("t.ini")),
            "[a]\r\nx=1\r\nk1=a\r\nk2=a\r\n[b]\r\ny=2\r\nk1=again\r\nk2=b\r\n[c]\r\nk1=c\r\nk2=c\r\n");
}

}  // namespace
