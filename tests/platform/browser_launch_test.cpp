// The launcher stand-in: stored "file:///C|/..." URLs become file URLs of the
// host path; drive paths reach started programs as host paths.
#include "platform/browser_launch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/paths.h"
#include "platform/outside_program.h"
#include "platform/process.h"
#include "support/test_support.h"

namespace {

using Args = std::vector<std::string>;

class BrowserLaunch : public tw_test::Fixture {};

TEST_F(BrowserLaunch, StoredUrlsBecomeHostFileUrls) {
  tw_test::write_file(file("My Pub/Index.htm"), "<html>");
  EXPECT_EQ(platform::host_file_url("file:///C|/my pub/index.htm"), "file://" + file("My%20Pub/Index.htm"));
  EXPECT_EQ(platform::host_file_url("file:///c:\\MY PUB\\index.htm"), "file://" + file("My%20Pub/Index.htm"));
  EXPECT_EQ(platform::host_file_url("file:///z|/tmp/a#b.htm"), "file:///tmp/a%23b.htm");
  EXPECT_EQ(platform::host_file_url("http://example.invalid/x"), "http://example.invalid/x");
}

TEST_F(BrowserLaunch, TheLauncherCommandOpensTheHostUrl) {
  tw_test::write_file(file("pub/index.htm"), "<html>");
  std::vector<std::string> opened;
  platform::set_url_opener([&opened](const std::string& url) {
    opened.push_back(url);
    return platform::kExecSuccess;
  });
  const std::string command = "c:\\trvwck\\LFCBRWS.EXE >file:///C|/pub/index.htm";
  EXPECT_TRUE(platform::is_browser_launcher(command));
  EXPECT_FALSE(platform::is_browser_launcher("c:\\trvwck\\lfcflip.exe"));
  EXPECT_EQ(platform::win_exec(command, platform::kShowMaximized), platform::kExecSuccess);
  EXPECT_EQ(opened, (Args{"file://" + file("pub/index.htm")}));
  EXPECT_EQ(ui().transcript(), (Args{"launch \"" + command + "\" -> 33"}));
  // A launcher without a URL opens nothing.
  EXPECT_EQ(platform::win_exec("lfcbrws.exe", platform::kShowNormal), platform::kExecFileNotFound);
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(BrowserLaunch, DriveArgumentsReachProgramsAsHostPaths) {
  tw_test::write_file(file("tools/args.sh"), "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.out\"\n");
  ::chmod(file("tools/args.sh").c_str(), 0755);
  tw_test::write_file(file("Proj/Guide.hhp"), "[Options]\r\n");
  auto r = platform::start_outside_program("c:\\tools\\args.sh c:\\proj\\guide.hhp /x \"c:\\new dir\\out.chm\"",
                                           platform::kShowNormal);
  ASSERT_EQ(r.code, platform::kExecSuccess);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 0);
  EXPECT_EQ(tw_test::read_file(file("tools/args.sh.out")),
            file("Proj/Guide.hhp") + "|/x|" + file("new dir/out.chm") + "|");

  // Programs of the installation read drive paths themselves.
  r = platform::start_program("c:\\tools\\args.sh c:\\proj\\guide.hhp", platform::kShowNormal);
  ASSERT_EQ(r.code, platform::kExecSuccess);
  EXPECT_EQ(platform::wait_for_process(r.process_id), 0);
  EXPECT_EQ(tw_test::read_file(file("tools/args.sh.out")), "c:\\proj\\guide.hhp|");
}

}  // namespace
