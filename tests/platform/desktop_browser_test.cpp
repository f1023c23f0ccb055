// The default browser comes from the desktop's MIME application lists: the
// user's configuration over the system's, a desktop's own list over the
// common one, web links over HTML files, entries that cannot be read skipped.
#include "platform/desktop_browser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>

#include "support/test_support.h"

namespace {

class DesktopBrowser : public tw_test::Fixture {
 protected:
  void SetUp() override {
    tw_test::Fixture::SetUp();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS",
                             "XDG_CURRENT_DESKTOP"}) {
      const char* value = std::getenv(name);
      saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
    }
    setenv("XDG_CONFIG_HOME", file("config").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", file("etc-xdg").c_str(), 1);
    setenv("XDG_DATA_HOME", file("share").c_str(), 1);
    setenv("XDG_DATA_DIRS", file("usr-share").c_str(), 1);
    unsetenv("XDG_CURRENT_DESKTOP");
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
    tw_test::Fixture::TearDown();
  }
  void entry(const std::string& name, const std::string& program) {
    tw_test::write_file(file("usr-share/applications/" + name),
                        "[Desktop Entry]\nName=" + name + "\nExec=" + program + " %u\n");
  }
  std::map<std::string, std::optional<std::string>> saved_;
};

TEST_F(DesktopBrowser, TheBestRankedListNamingAReadableEntryWins) {
  entry("system.desktop", "/opt/system/browser");
  entry("mine.desktop", "\"/opt/my browser/run\"");
  tw_test::write_file(file("etc-xdg/mimeapps.list"),
                      "[Default Applications]\nx-scheme-handler/http=system.desktop;\n");
  EXPECT_EQ(platform::desktop_default_browser(), "/opt/system/browser");

  // The user's list ranks first; an entry that is not installed is skipped.
  tw_test::write_file(file("config/mimeapps.list"),
                      "[Added Associations]\nx-scheme-handler/http=system.desktop;\n\n"
                      "[Default Applications]\r\nx-scheme-handler/http = gone.desktop;mine.desktop;\r\n");
  EXPECT_EQ(platform::desktop_default_browser(), "/opt/my browser/run");

  // A desktop's own list ranks above the common one.
  entry("desk.desktop", "/opt/desk/web");
  tw_test::write_file(file("config/xfce-mimeapps.list"),
                      "[Default Applications]\nx-scheme-handler/http=desk.desktop\n");
  setenv("XDG_CURRENT_DESKTOP", "X-Cinnamon:XFCE", 1);
  EXPECT_EQ(platform::desktop_default_browser(), "/opt/desk/web");
}

TEST_F(DesktopBrowser, FallsBackToHtmlFilesTheDefaultsAndTheCache) {
  EXPECT_EQ(platform::desktop_default_browser(), "");

  entry("cached.desktop", "/opt/cached/web");
  tw_test::write_file(file("usr-share/applications/mimeinfo.cache"),
                      "[MIME Cache]\ntext/html=cached.desktop;\n");
  EXPECT_EQ(platform::desktop_default_browser(), "/opt/cached/web");

  entry("html.desktop", "/opt/html/view");
  tw_test::write_file(file("usr-share/applications/defaults.list"),
                      "[Default Applications]\ntext/html=html.desktop\n");
  EXPECT_EQ(platform::desktop_default_browser(), "/opt/html/view");

  // A list naming a path rather than an entry is not followed.
  tw_test::write_file(file("config/mimeapps.list"),
                      "[Default Applications]\nx-scheme-handler/http=../../x.desktop\n");
  EXPECT_EQ(platform::desktop_default_browser(), "/opt/html/view");
}

}  // namespace
