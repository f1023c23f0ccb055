// Path fields: stored paths shown as host paths, and what the user leaves or
// types stored back.
#include <gtest/gtest.h>

#include "platform/path_field.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "support/mixed_case_dir.h"
#include "support/test_support.h"

namespace {

class PathField : public tw_test::Fixture {};

TEST_F(PathField, ShownAsOnDiskAndStoredBackUnchanged) {
  tw_test::MixedCaseDir dir;
  const std::string header = dir.file("Src/Res.h");
  tw_test::write_file(header, "#define A 1\n");
  const std::string stored = text::to_lower(platform::to_system_path(header));
  EXPECT_EQ(platform::shown_in_field(stored), header);
  // Left as shown (blanks around it do not count): exactly what was stored,
  // though the drive form of the host path would be spelled otherwise.
  EXPECT_EQ(platform::stored_from_field(" " + header + " ", stored), stored);
  EXPECT_EQ(platform::stored_from_field(header, ""), platform::to_system_path(header));
}

TEST_F(PathField, OnlyTheDriveFormIsConverted) {
  EXPECT_EQ(platform::shown_in_field("firefox"), "firefox");
  EXPECT_EQ(platform::shown_in_field("sub\\x.h"), "sub\\x.h");
  EXPECT_EQ(platform::shown_in_field(""), "");
  EXPECT_EQ(platform::stored_from_field("  ", "c:\\old\\x.h"), "");
  EXPECT_EQ(platform::stored_from_field("c:\\New\\X.h", "c:\\old\\x.h"), "c:\\New\\X.h");
  EXPECT_EQ(platform::stored_from_field("x.h ", ""), "x.h");
}

}  // namespace
