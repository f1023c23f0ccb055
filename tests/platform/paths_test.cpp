#include "platform/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

TEST(PathText, SeparatorsAndComponents) {
  EXPECT_TRUE(platform::is_separator('\\'));
  EXPECT_TRUE(platform::is_separator('/'));
  EXPECT_FALSE(platform::is_separator(':'));
  EXPECT_EQ(platform::directory_of("c:\\help\\sub/intro.rtf"), "c:\\help\\sub");
  EXPECT_EQ(platform::directory_of("intro.rtf"), "");
  EXPECT_EQ(platform::directory_of("c:\\intro.rtf"), "c:");
  EXPECT_EQ(platform::file_name_of("c:\\help/intro.rtf"), "intro.rtf");
  EXPECT_EQ(platform::file_name_of("intro.rtf"), "intro.rtf");
  EXPECT_EQ(platform::file_name_of("c:\\help\\"), "");
}

TEST(PathText, Extensions) {
  EXPECT_EQ(platform::extension_of("c:\\p\\sample.hpj"), ".hpj");
  EXPECT_EQ(platform::extension_of("c:\\p.d\\sample"), "");
  EXPECT_EQ(platform::extension_of("a.tar.gz"), ".gz");
  EXPECT_EQ(platform::replace_extension("c:\\p\\sample.hpj", ".opt"), "c:\\p\\sample.opt");
  EXPECT_EQ(platform::replace_extension("c:\\p.d\\sample", ".opt"), "c:\\p.d\\sample.opt");
}

TEST(PathText, AbsoluteAndJoin) {
  EXPECT_TRUE(platform::is_absolute("c:\\x"));
  EXPECT_TRUE(platform::is_absolute("C:x"));
  EXPECT_TRUE(platform::is_absolute("\\x"));
  EXPECT_TRUE(platform::is_absolute("/tmp"));
  EXPECT_FALSE(platform::is_absolute("x\\y"));
  EXPECT_FALSE(platform::is_absolute(""));
  EXPECT_EQ(platform::join_path("c:\\help", "a.rtf"), "c:\\help\\a.rtf");
  EXPECT_EQ(platform::join_path("c:\\help\\", "a.rtf"), "c:\\help\\a.rtf");
  EXPECT_EQ(platform::join_path("/tmp/x", "a.rtf"), "/tmp/x/a.rtf");
  EXPECT_EQ(platform::join_path("help", "a.rtf"), "help\\a.rtf");
  EXPECT_EQ(platform::join_path("", "a.rtf"), "a.rtf");
}

// Names the system looks up without case are lowered; a host path is the
// user's and keeps its spelling.
TEST(PathText, OnlyBareNamesAndTheDriveFormAreLowered) {
  EXPECT_EQ(platform::lower_unless_host_path("Pic.BMP"), "pic.bmp");
  EXPECT_EQ(platform::lower_unless_host_path("C:\\Help\\Pic.bmp"), "c:\\help\\pic.bmp");
  EXPECT_EQ(platform::lower_unless_host_path("c:/Help/Pic.bmp"), "c:/help/pic.bmp");
  EXPECT_EQ(platform::lower_unless_host_path("Art\\Pic.bmp"), "art\\pic.bmp");
  EXPECT_EQ(platform::lower_unless_host_path("/srv/Help/Pic.bmp"), "/srv/Help/Pic.bmp");
  EXPECT_EQ(platform::lower_unless_host_path("Art/Pic.bmp"), "Art/Pic.bmp");
  EXPECT_EQ(platform::lower_unless_host_path(""), "");
}

class Paths : public tw_test::Fixture {
 protected:
  void TearDown() override {
    platform::reset_drives();
    tw_test::Fixture::TearDown();
  }
};

TEST_F(Paths, RootFolderAndWindowsDirectory) {
  EXPECT_EQ(platform::root_folder(), root());
  EXPECT_FALSE(tw_test::exists(file("windows")));
  EXPECT_EQ(platform::windows_directory(), file("windows"));
  EXPECT_TRUE(fs::is_directory(file("windows")));
}

TEST_F(Paths, WindowsDirectoryReusesAnExistingFolderOfAnyCase) {
  fs::create_directories(file("WINDOWS"));
  EXPECT_EQ(platform::windows_directory(), file("WINDOWS"));
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    if (old) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST_F(Paths, RootFolderFromEnvironmentWhenNotSet) {
  platform::set_root_folder("");
  {
    ScopedEnv root("TARVENWICK_ROOT", "/srv/tw-root");
    ScopedEnv data("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(platform::root_folder(), "/srv/tw-root");
    EXPECT_EQ(platform::drive_folder('c'), "/srv/tw-root");
  }
  {
    ScopedEnv root("TARVENWICK_ROOT", nullptr);
    ScopedEnv data("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(platform::root_folder(), "/srv/data/tarvenwick");
  }
  {
    ScopedEnv root("TARVENWICK_ROOT", nullptr);
    ScopedEnv data("XDG_DATA_HOME", nullptr);
    ScopedEnv home("HOME", "/home/author");
    EXPECT_EQ(platform::root_folder(), "/home/author/.local/share/tarvenwick");
  }
  platform::set_root_folder(root());
  EXPECT_EQ(platform::root_folder(), root());
}

TEST_F(Paths, DriveTable) {
  EXPECT_EQ(platform::drive_folder('c'), root());
  EXPECT_EQ(platform::drive_folder('C'), root());
  EXPECT_EQ(platform::drive_folder('z'), "/");
  EXPECT_EQ(platform::drive_folder('d'), "");
  EXPECT_EQ(platform::to_host_path("c:\\trvwck\\TRVWCK.HLP"), file("trvwck/TRVWCK.HLP"));
  EXPECT_EQ(platform::to_host_path("z:\\usr\\bin"), "/usr/bin");
  platform::set_drive('d', file("cdrom"));
  EXPECT_EQ(platform::to_host_path("D:\\setup.exe"), file("cdrom/setup.exe"));
  platform::set_drive('z', "");
  EXPECT_EQ(platform::drive_folder('z'), "");
  platform::reset_drives();
  EXPECT_EQ(platform::drive_folder('z'), "/");
  EXPECT_EQ(platform::drive_folder('d'), "");
}

TEST_F(Paths, ExistingComponentsResolveWithoutCase) {
  tw_test::write_file(file("Help/Sub/intro.rtf"), "x");
  EXPECT_EQ(platform::to_host_path("c:\\HELP\\sub\\INTRO.RTF"), file("Help/Sub/intro.rtf"));
  EXPECT_EQ(platform::to_host_path(root() + "/help/SUB/Intro.rtf"), file("Help/Sub/intro.rtf"));
  // Missing components are kept as written.
  EXPECT_EQ(platform::to_host_path("c:\\help\\NEW\\File.RTF"), file("Help/NEW/File.RTF"));
  EXPECT_EQ(platform::to_host_path("c:\\help\\sub\\New.rtf"), file("Help/Sub/New.rtf"));
}

TEST_F(Paths, ExactCaseWinsOverOtherSpellings) {
  tw_test::write_file(file("a/Readme.txt"), "1");
  tw_test::write_file(file("a/README.TXT"), "2");
  EXPECT_EQ(platform::to_host_path("c:\\a\\README.TXT"), file("a/README.TXT"));
  EXPECT_EQ(platform::to_host_path("c:\\a\\Readme.txt"), file("a/Readme.txt"));
  // Neither matches exactly: the first in byte order.
  EXPECT_EQ(platform::to_host_path("c:\\a\\readme.txt"), file("a/README.TXT"));
}

TEST_F(Paths, RelativePathsStartAtTheCurrentDirectory) {
  tw_test::write_file(file("Proj/Intro.rtf"), "x");
  EXPECT_EQ(platform::to_host_path("proj\\INTRO.RTF"), "Proj/Intro.rtf");
  EXPECT_EQ(platform::to_host_path(".\\proj\\..\\PROJ\\intro.rtf"), "Proj/Intro.rtf");
  EXPECT_EQ(platform::to_host_path("..\\..\\x"), "../../x");
  EXPECT_TRUE(platform::set_current_directory("PROJ"));
  EXPECT_EQ(platform::current_directory(), fs::canonical(file("Proj")).string());
  EXPECT_EQ(platform::to_host_path("intro.rtf"), "Intro.rtf");
  EXPECT_FALSE(platform::set_current_directory("no-such-folder"));
}

TEST_F(Paths, DotDotIsTakenLexically) {
  tw_test::write_file(file("Help/intro.rtf"), "x");
  // The missing folder does not stop the path from reaching an existing file.
  EXPECT_EQ(platform::to_host_path("c:\\missing\\..\\HELP\\INTRO.RTF"), file("Help/intro.rtf"));
  EXPECT_EQ(platform::to_host_path("c:\\..\\..\\help"), file("Help"));
  EXPECT_EQ(platform::to_host_path("/../tmp"), "/tmp");
}

TEST_F(Paths, UnmappedDrivesKeepTheirText) {
  EXPECT_EQ(platform::to_host_path("q:\\setup\\x.exe"), "q:/setup/x.exe");
}

TEST_F(Paths, DoubledAndTrailingSeparators) {
  fs::create_directories(file("Dir"));
  EXPECT_EQ(platform::to_host_path("c:\\\\dir\\\\"), file("Dir"));
  EXPECT_EQ(platform::to_host_path("c:"), root());
  EXPECT_EQ(platform::to_host_path(""), "");
}

TEST_F(Paths, BackToSystemForm) {
  EXPECT_EQ(platform::to_system_path(file("trvwck/TRVWCK.HLP")), "c:\\trvwck\\TRVWCK.HLP");
  EXPECT_EQ(platform::to_system_path(root()), "c:\\");
  EXPECT_EQ(platform::to_system_path("/usr/share/doc"), "z:\\usr\\share\\doc");
  EXPECT_EQ(platform::to_system_path("proj/intro.rtf"), "proj/intro.rtf");
  // A folder that merely starts like the root is not inside it.
  EXPECT_EQ(platform::to_system_path(root() + "x/a").substr(0, 2), "z:");
  platform::set_drive('d', file("cd"));
  EXPECT_EQ(platform::to_system_path(file("cd/setup.exe")), "d:\\setup.exe");
}

TEST_F(Paths, RoundTrip) {
  tw_test::write_file(file("Trvwck/Tw_Bmaps/button.bmp"), "x");
  std::string host = platform::to_host_path("C:\\TRVWCK\\TW_BMAPS\\BUTTON.BMP");
  EXPECT_EQ(host, file("Trvwck/Tw_Bmaps/button.bmp"));
  EXPECT_EQ(platform::to_system_path(host), "c:\\Trvwck\\Tw_Bmaps\\button.bmp");
}

}  // namespace
