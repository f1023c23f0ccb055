#include "platform/winhelp.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "platform/paths.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace {

using Lines = std::vector<std::string>;

class WinHelp : public tw_test::Fixture {};

TEST_F(WinHelp, WithoutAViewerTheCallIsOnlyNoted) {
  EXPECT_EQ(platform::win_help(1, "c:\\trvwck\\TRVWCK.HLP", platform::kHelpFinder, 0), 1);
  EXPECT_EQ(platform::win_help(1, "c:\\p\\x.hlp", platform::kHelpContext, 4000000000u), 1);
  EXPECT_EQ(ui().transcript(), (Lines{"winhelp \"c:\\trvwck\\TRVWCK.HLP\" command=11 data=0",
                                      "winhelp \"c:\\p\\x.hlp\" command=1 data=4000000000"}));
}

TEST_F(WinHelp, TheConfiguredViewerIsStarted) {
  std::string viewer = file("viewer.sh");
  std::string out = file("viewer.txt");
  tw_test::write_file(viewer, "#!/bin/sh\necho \"$1|$2|$3\" > \"" + out + "\"\n");
  ::chmod(viewer.c_str(), 0755);
  ASSERT_TRUE(platform::write_profile_string("Platform", "help viewer", "c:\\viewer.sh", "WIN.INI"));
  EXPECT_EQ(platform::win_help(1, "c:\\my help\\x.hlp", platform::kHelpContext, 42), 1);
  EXPECT_EQ(ui().transcript(), (Lines{"winhelp \"c:\\my help\\x.hlp\" command=1 data=42",
                                      "exec \"c:\\viewer.sh \"c:\\my help\\x.hlp\" 1 42\" show=1 -> 33"}));
  for (int i = 0; i < 500 && !tw_test::exists(out); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(tw_test::read_file(out), "c:\\my help\\x.hlp|1|42\n");
}

}  // namespace
